#pragma once
// A windowless image control: shows its picture at its natural size from its
// top-left corner, cut off at the control's bounds. The natural size is the
// picture's pixels at 96 dpi, so it grows with the layout on a finer screen.

#include "host/forms/windowless_control_win32.h"

namespace kestro {

class FormImage : public WindowlessControl {
  public:
    void setPicture(HBITMAP picture) { picture_ = picture; } // not owned
    HBITMAP picture() const { return picture_; }
    void paint(HDC dc) const override;

  private:
    HBITMAP picture_ = nullptr;
};

// Loads a bitmap resource of the program by name; null when missing.
HBITMAP loadBitmapResource(const char* name);

} // namespace kestro

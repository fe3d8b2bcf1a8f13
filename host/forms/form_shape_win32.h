#pragma once
// A windowless rectangle outline, one pixel wide, drawn inside its bounds.

#include "host/forms/windowless_control_win32.h"

namespace kestro {

class FormShape : public WindowlessControl {
  public:
    void setBorderColour(COLORREF colour) { borderColour_ = colour; }
    void paint(HDC dc) const override;

  private:
    COLORREF borderColour_ = RGB(0, 0, 0);
};

} // namespace kestro

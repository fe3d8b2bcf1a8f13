#pragma once
// A windowless rectangle outline, one pixel wide, drawn inside its bounds.

#include "host/forms/windowless_control_win32.h"

namespace kestro {

// Every shape on the forms is outlined in black.
constexpr COLORREF FORM_SHAPE_BORDER_COLOUR = RGB(0, 0, 0);

class FormShape : public WindowlessControl {
  public:
    void paint(HDC dc) const override;
};

} // namespace kestro

#pragma once
// A windowless label: text drawn over whatever its container painted, in a
// given font and colour. A label one text line high shows its text on that
// line, whole, even where a substitute font is wider than the designer's;
// a taller one wraps its text at its width and cuts it at its bounds.

#include <string>

#include "host/forms/windowless_control_win32.h"

namespace kestro {

enum class LabelAlignment { Left, Centre };

class FormLabel : public WindowlessControl {
  public:
    void setText(std::string utf8Text) { text_ = std::move(utf8Text); }
    const std::string& text() const { return text_; } // UTF-8
    void setFont(HFONT font) { font_ = font; }        // not owned
    void setColour(COLORREF colour) { colour_ = colour; }
    void setAlignment(LabelAlignment alignment) { alignment_ = alignment; }
    // A thin single-line frame inside the bounds; the text sits inside it.
    void setBorder(bool border) { border_ = border; }

    void paint(HDC dc) const override;

  private:
    std::string text_;
    HFONT font_ = nullptr;
    COLORREF colour_ = RGB(0, 0, 0);
    LabelAlignment alignment_ = LabelAlignment::Left;
    bool border_ = false;
};

// Lines of text that fit in the given height in the font.
int labelLineCapacity(HDC dc, HFONT font, int height);

} // namespace kestro

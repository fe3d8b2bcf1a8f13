#pragma once
// The Command button's caption: a windowless one-line label drawn over the
// button's image, centred across its width. Holds the GDI font made from the
// caption's font description.

#include <windows.h>

#include "host/controls/command_logic.h"
#include "host/controls/skin_geometry.h"

namespace kestro {

class CaptionLabelView {
  public:
    CaptionLabelView() = default;
    ~CaptionLabelView();
    CaptionLabelView(const CaptionLabelView&) = delete;
    CaptionLabelView& operator=(const CaptionLabelView&) = delete;

    // Takes a changed caption: a new font is made only when it differs.
    void update(const CaptionLabel& caption);
    void place(const PixelRect& rect) { rect_ = rect; }

    // Draws the caption's text, greyed when the caption is disabled.
    void draw(HDC dc, const CaptionLabel& caption) const;
    // The colour the text shows in.
    static COLORREF textColour(const CaptionLabel& caption);
    // The outline of the caption's glyphs as drawn in `window`; an empty
    // region when the font gives no outline.
    HRGN glyphRegion(HWND window, const CaptionLabel& caption) const;

  private:
    RECT rect() const;

    HFONT font_ = nullptr;
    FontDescription fontMade_;
    PixelRect rect_;
};

} // namespace kestro

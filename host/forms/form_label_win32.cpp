#include "host/forms/form_label_win32.h"

#include "host/platform/wide_text_win32.h"

namespace kestro {

namespace {
constexpr int BORDER_TEXT_INSET = 2; // pixels between a frame and the text
constexpr COLORREF BORDER_COLOUR = RGB(0, 0, 0);
} // namespace

void FormLabel::paint(HDC dc) const {
    RECT area = bounds();
    if (border_) {
        HBRUSH frame = CreateSolidBrush(BORDER_COLOUR);
        FrameRect(dc, &area, frame);
        DeleteObject(frame);
        InflateRect(&area, -BORDER_TEXT_INSET, -BORDER_TEXT_INSET);
    }
    if (text_.empty())
        return;

    const int savedState = SaveDC(dc);
    if (font_)
        SelectObject(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour_);
    UINT format = DT_NOPREFIX;
    format |= alignment_ == LabelAlignment::Centre ? DT_CENTER : DT_LEFT;
    if (labelLineCapacity(dc, font_, area.bottom - area.top) <= 1) {
        format |= DT_SINGLELINE | DT_NOCLIP;
    } else {
        // Long words (a path has few blanks) break inside the word, as in an edit control.
        format |= DT_WORDBREAK | DT_EDITCONTROL;
        IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    }
    const std::wstring wide = wideText(text_);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, format);
    RestoreDC(dc, savedState);
}

int labelLineCapacity(HDC dc, HFONT font, int height) {
    const int savedState = SaveDC(dc);
    if (font)
        SelectObject(dc, font);
    TEXTMETRICA metrics{};
    const bool measured = GetTextMetricsA(dc, &metrics) && metrics.tmHeight > 0;
    RestoreDC(dc, savedState);
    return measured ? height / metrics.tmHeight : 1;
}

} // namespace kestro

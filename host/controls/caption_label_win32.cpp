#include "host/controls/caption_label_win32.h"

#include <cmath>

#include "host/platform/wide_text_win32.h"

namespace kestro {
namespace {

constexpr int POINTS_PER_INCH = 72;
constexpr int FALLBACK_DOTS_PER_INCH = 96;
constexpr uint32_t SYSTEM_COLOUR_FLAG = 0x80000000u;
constexpr uint32_t SYSTEM_COLOUR_INDEX_MASK = 0x00FFFFFFu;
constexpr UINT TEXT_FORMAT = DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;

COLORREF resolveColour(uint32_t colour) {
    if (colour & SYSTEM_COLOUR_FLAG) {
        return GetSysColor(static_cast<int>(colour & SYSTEM_COLOUR_INDEX_MASK));
    }
    return static_cast<COLORREF>(colour);
}

HFONT createFont(const FontDescription& font) {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : FALLBACK_DOTS_PER_INCH;
    if (screen)
        ReleaseDC(nullptr, screen);
    LOGFONTW logFont{};
    logFont.lfHeight =
        -static_cast<LONG>(std::lround(font.pointSize * dotsPerInch / POINTS_PER_INCH));
    logFont.lfWeight = font.weight;
    logFont.lfItalic = font.italic;
    logFont.lfUnderline = font.underline;
    logFont.lfStrikeOut = font.strikeOut;
    logFont.lfCharSet = font.charset;
    logFont.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(logFont.lfFaceName, wideText(font.faceName).c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&logFont);
}

void drawText(HDC dc, const std::string& text, RECT rect) {
    const std::wstring wide = wideText(text);
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &rect, TEXT_FORMAT);
}

} // namespace

CaptionLabelView::~CaptionLabelView() {
    if (font_)
        DeleteObject(font_);
}

void CaptionLabelView::update(const CaptionLabel& caption) {
    if (font_ && caption.font == fontMade_)
        return;
    HFONT font = createFont(caption.font);
    if (!font)
        return;
    if (font_)
        DeleteObject(font_);
    font_ = font;
    fontMade_ = caption.font;
}

RECT CaptionLabelView::rect() const {
    return {rect_.x, rect_.y, rect_.x + rect_.width, rect_.y + rect_.height};
}

COLORREF CaptionLabelView::textColour(const CaptionLabel& caption) {
    return caption.enabled ? resolveColour(caption.colour) : GetSysColor(COLOR_GRAYTEXT);
}

void CaptionLabelView::draw(HDC dc, const CaptionLabel& caption) const {
    HGDIOBJ previousFont = font_ ? SelectObject(dc, font_) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    if (!caption.enabled) {
        // Disabled text: grey over a light copy one pixel down and right.
        RECT shadow = rect();
        OffsetRect(&shadow, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
        drawText(dc, caption.text, shadow);
    }
    SetTextColor(dc, textColour(caption));
    drawText(dc, caption.text, rect());
    if (previousFont)
        SelectObject(dc, previousFont);
}

HRGN CaptionLabelView::glyphRegion(HWND window, const CaptionLabel& caption) const {
    HRGN region = nullptr;
    HDC dc = GetDC(window);
    if (dc) {
        HGDIOBJ previousFont = font_ ? SelectObject(dc, font_) : nullptr;
        SetBkMode(dc, TRANSPARENT);
        if (BeginPath(dc)) {
            drawText(dc, caption.text, rect());
            if (EndPath(dc))
                region = PathToRegion(dc);
        }
        if (previousFont)
            SelectObject(dc, previousFont);
        ReleaseDC(window, dc);
    }
    return region ? region : CreateRectRgn(0, 0, 0, 0);
}

} // namespace kestro

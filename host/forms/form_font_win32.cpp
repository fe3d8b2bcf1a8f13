#include "host/forms/form_font_win32.h"

#include <cmath>
#include <cwchar>

#include "host/platform/wide_text_win32.h"

namespace kestro {

namespace {
constexpr double POINTS_PER_INCH = 72.0;
constexpr int STANDARD_DPI = 96;
} // namespace

int fontPixelHeight(double points) {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : STANDARD_DPI;
    if (screen)
        ReleaseDC(nullptr, screen);
    return static_cast<int>(std::lround(points * dotsPerInch / POINTS_PER_INCH));
}

HFONT createFormFont(const FormFontSpec& wanted) {
    LOGFONTW font{};
    font.lfHeight = -fontPixelHeight(wanted.points); // character height, not cell height
    font.lfWeight = wanted.weight;
    font.lfUnderline = wanted.underline ? TRUE : FALSE;
    font.lfCharSet = static_cast<BYTE>(wanted.charset);
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // The wide call finds the face by its own name under any code page.
    std::wcsncpy(font.lfFaceName, wideText(wanted.faceName).c_str(), LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

} // namespace kestro

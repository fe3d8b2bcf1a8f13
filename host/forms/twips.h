#pragma once
// Designer geometry is in twips (1/1440 inch): 15 twips per pixel at 96 dpi.

#include <cstdint>
#include <optional>

namespace kestro {

constexpr int TWIPS_PER_INCH = 1440;
constexpr int STANDARD_TWIPS_PER_PIXEL = 15;

constexpr int twipsPerPixelForDpi(int dotsPerInch) {
    return dotsPerInch > 0 ? TWIPS_PER_INCH / dotsPerInch : STANDARD_TWIPS_PER_PIXEL;
}

// Rounds to the nearest pixel, as the forms runtime places controls.
constexpr int pixelsFromTwips(int twips, int twipsPerPixel) {
    const int half = twipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / twipsPerPixel : -((-twips + half) / twipsPerPixel);
}

// A picture's size on this screen: pictures are drawn for the standard
// 96 dpi and grow with the layout on a screen of more dots per inch.
constexpr int screenPixelsOfPicture(int pictureLength, int twipsPerPixel) {
    return pixelsFromTwips(pictureLength * STANDARD_TWIPS_PER_PIXEL, twipsPerPixel);
}

// A size held as a 16-bit signed twips value: empty when it does not fit.
inline std::optional<int16_t> twipsFromPixels16(int pixels, int twipsPerPixel) {
    const int64_t twips = static_cast<int64_t>(pixels) * twipsPerPixel;
    if (twips > INT16_MAX || twips < INT16_MIN)
        return std::nullopt;
    return static_cast<int16_t>(twips);
}

} // namespace kestro

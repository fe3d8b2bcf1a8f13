#pragma once
// Where a paint of the Command button puts things: the eight ring pieces cut
// from a 64 x 25 skin image (corners as they are, edges stretched to the
// control), the two gradient vertices of the face, and the caption's place.
// Designer units are twips; the skin images are drawn at 15 twips per pixel.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kestro {

constexpr int SKIN_WIDTH_PIXELS = 64;
constexpr int SKIN_HEIGHT_PIXELS = 25;
constexpr int SKIN_TWIPS_PER_PIXEL = 15;
constexpr int SKIN_RING_TWIPS = 60;
constexpr int SKIN_PIECE_COUNT = 8;
constexpr int CAPTION_HEIGHT_TWIPS = 195;
constexpr int CAPTION_RAISE_TWIPS = 20; // the caption sits 10 twips above the middle

// The face colours, as the designer wrote them.
constexpr std::string_view FACE_COLOUR_LIGHT = "&HFFFFFF";
constexpr std::string_view FACE_COLOUR_SHADE = "&HC6C5D7";

struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

struct SkinPiece {
    PixelRect destination; // in the control
    PixelRect source;      // in the skin image
};

struct SkinLayout {
    std::array<SkinPiece, SKIN_PIECE_COUNT> pieces; // in painting order
    double captionTopTwips = 0;
    PixelRect caption; // the caption element, in pixels
};

// The layout for a control of widthTwips x heightTwips on a screen of
// twipsPerPixel.
SkinLayout skinLayout(int widthTwips, int heightTwips, int twipsPerPixel);

// A 16-bit-per-channel colour, as the platform's gradient vertices take it.
struct GradientColour {
    uint16_t red = 0;
    uint16_t green = 0;
    uint16_t blue = 0;
    bool operator==(const GradientColour& o) const {
        return red == o.red && green == o.green && blue == o.blue;
    }
};

// "&HRRGGBB" -> each channel c as c * 256. Empty when the text is no such colour.
std::optional<GradientColour> gradientColourFromText(std::string_view text);

struct GradientVertex {
    int32_t x = 0;
    int32_t y = 0;
    GradientColour colour;
};

// Vertex 0 at the top-left pixel, vertex 1 at (w - 1, h - 1): the face runs
// light to shade from top to bottom, or shade to light when inverted.
std::array<GradientVertex, 2> gradientVertices(bool invert, int widthPixels, int heightPixels);

} // namespace kestro

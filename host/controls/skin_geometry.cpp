#include "host/controls/skin_geometry.h"

#include <cmath>

namespace kestro {
namespace {

// One coordinate of the piece table: constant + (control extent, when the
// piece hangs from the far side or stretches with the control).
struct Extent {
    int constant;
    int perExtent; // 0 or 1
};

struct PieceRow {
    Extent destX, destY;
    std::optional<Extent> destWidth, destHeight; // empty: as the source
    int sourceX, sourceY, sourceWidth, sourceHeight;
};

constexpr int RING = SKIN_RING_TWIPS;

// Twips, in painting order: the four corners copied as they are, the four
// edges stretched between them.
const std::array<PieceRow, SKIN_PIECE_COUNT> PIECE_TABLE{{
    {{1, 0}, {1, 0}, std::nullopt, std::nullopt, 0, 0, 60, 60},                       // top-left
    {{RING, 0}, {1, 0}, Extent{-2 * RING, 1}, Extent{RING, 0}, 60, 1, 840, 60},       // top
    {{-RING, 1}, {1, 0}, std::nullopt, std::nullopt, 900, 1, 60, 60},                 // top-right
    {{-RING, 1}, {RING, 0}, Extent{RING, 0}, Extent{-2 * RING, 1}, 900, 60, 60, 255}, // right
    {{-RING, 1}, {-RING, 1}, std::nullopt, std::nullopt, 900, 315, 60, 60}, // bottom-right
    {{RING, 0}, {-RING, 1}, Extent{-2 * RING, 1}, Extent{RING, 0}, 60, 315, 840, 60}, // bottom
    {{1, 0}, {-RING, 1}, std::nullopt, std::nullopt, 0, 315, 60, 60},                 // bottom-left
    {{1, 0}, {RING, 0}, Extent{RING, 0}, Extent{-2 * RING, 1}, 1, 60, 60, 255},       // left
}};

int resolve(Extent e, int extent) {
    return e.constant + e.perExtent * extent;
}

// A position falls on the pixel that holds it; a size is rounded.
int pixelPosition(int twips, int twipsPerPixel) {
    const int q = twips / twipsPerPixel;
    return (twips % twipsPerPixel != 0 && twips < 0) ? q - 1 : q;
}

int pixelSize(int twips, int twipsPerPixel) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::optional<uint16_t> channel(std::string_view twoDigits) {
    const int high = hexDigit(twoDigits[0]);
    const int low = hexDigit(twoDigits[1]);
    if (high < 0 || low < 0)
        return std::nullopt;
    return static_cast<uint16_t>((high * 16 + low) * 256);
}

} // namespace

SkinLayout skinLayout(int widthTwips, int heightTwips, int twipsPerPixel) {
    SkinLayout layout;
    if (twipsPerPixel <= 0)
        twipsPerPixel = SKIN_TWIPS_PER_PIXEL;
    for (int i = 0; i < SKIN_PIECE_COUNT; ++i) {
        const PieceRow& row = PIECE_TABLE[i];
        SkinPiece& piece = layout.pieces[i];
        piece.source = {pixelPosition(row.sourceX, SKIN_TWIPS_PER_PIXEL),
                        pixelPosition(row.sourceY, SKIN_TWIPS_PER_PIXEL),
                        pixelSize(row.sourceWidth, SKIN_TWIPS_PER_PIXEL),
                        pixelSize(row.sourceHeight, SKIN_TWIPS_PER_PIXEL)};
        const int widthTw = row.destWidth ? resolve(*row.destWidth, widthTwips) : row.sourceWidth;
        const int heightTw =
            row.destHeight ? resolve(*row.destHeight, heightTwips) : row.sourceHeight;
        piece.destination = {pixelPosition(resolve(row.destX, widthTwips), twipsPerPixel),
                             pixelPosition(resolve(row.destY, heightTwips), twipsPerPixel),
                             pixelSize(widthTw, twipsPerPixel), pixelSize(heightTw, twipsPerPixel)};
    }
    layout.captionTopTwips = (heightTwips - CAPTION_HEIGHT_TWIPS - CAPTION_RAISE_TWIPS) / 2.0;
    layout.caption = {0, static_cast<int>(std::lround(layout.captionTopTwips / twipsPerPixel)),
                      pixelSize(widthTwips, twipsPerPixel),
                      pixelSize(CAPTION_HEIGHT_TWIPS, twipsPerPixel)};
    return layout;
}

std::optional<GradientColour> gradientColourFromText(std::string_view text) {
    constexpr std::string_view PREFIX = "&H";
    constexpr size_t DIGITS = 6;
    if (text.size() != PREFIX.size() + DIGITS || text.substr(0, PREFIX.size()) != PREFIX) {
        return std::nullopt;
    }
    const std::string_view digits = text.substr(PREFIX.size());
    const auto red = channel(digits.substr(0, 2));
    const auto green = channel(digits.substr(2, 2));
    const auto blue = channel(digits.substr(4, 2));
    if (!red || !green || !blue)
        return std::nullopt;
    return GradientColour{*red, *green, *blue};
}

std::array<GradientVertex, 2> gradientVertices(bool invert, int widthPixels, int heightPixels) {
    const GradientColour light = *gradientColourFromText(FACE_COLOUR_LIGHT);
    const GradientColour shade = *gradientColourFromText(FACE_COLOUR_SHADE);
    std::array<GradientVertex, 2> vertices;
    vertices[0] = {0, 0, invert ? shade : light};
    vertices[1] = {widthPixels - 1, heightPixels - 1, invert ? light : shade};
    return vertices;
}

} // namespace kestro

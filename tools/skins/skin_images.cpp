#include "tools/skins/skin_images.h"

#include <array>
#include <cmath>

#include "tools/bitmap/bmp_writer.h"

namespace kestro {
namespace {

constexpr int WIDTH = 64;
constexpr int HEIGHT = 25;
constexpr int LAST_X = WIDTH - 1;
constexpr int LAST_Y = HEIGHT - 1;
constexpr int PIXELS_PER_METRE_96_DPI = 3780;

using Rgb = uint32_t; // 0xRRGGBB

// Colours of the rings.
constexpr Rgb BORDER_LINE = 0x003C74;
constexpr Rgb CORNER_FAINT = 0x7A95A8;
constexpr Rgb CORNER_EDGE = 0x255783;
constexpr Rgb CORNER_INNER = 0x164D7E;
constexpr Rgb OUTER_TOP = 0xE0DCC9;
constexpr Rgb OUTER_LEFT = 0xE2DECB;
constexpr Rgb OUTER_BOTTOM = 0xF8F7F0;
constexpr Rgb OUTER_RIGHT = 0xF0EEE0;
constexpr Rgb SURROUND = 0xECE9D8; // the dialog face around pressed and disabled rings
constexpr Rgb DISABLED_LINE = 0xC9C7BA;
constexpr Rgb DISABLED_CORNER_FAINT = 0xD8D5C7;
constexpr Rgb DISABLED_CORNER_EDGE = 0xCBC9BC;
constexpr Rgb DISABLED_FACE = 0xF5F4EA;

// The 2-pixel band inside the border line of the three raised skins.
// Side columns fade over the rows between the top and bottom bands, through
// an optional middle colour.
struct SideFade {
    Rgb top, middle, bottom;
    bool hasMiddle;
};

struct RaisedBand {
    std::array<Rgb, 2> topRows;        // rows 2, 3
    std::array<SideFade, 2> leftCols;  // columns 2, 3
    std::array<SideFade, 2> rightCols; // columns 60, 61
    std::array<Rgb, 2> bottomRows;     // rows 21, 22
};

constexpr SideFade fade(Rgb top, Rgb bottom) {
    return {top, 0, bottom, false};
}
constexpr SideFade fade3(Rgb top, Rgb middle, Rgb bottom) {
    return {top, middle, bottom, true};
}

const RaisedBand NORMAL_BAND{
    {0xF3F3EE, 0xF3F3EE},
    {fade(0xFDFDFC, 0xECEBE6), fade(0xFDFDFC, 0xECEBE6)},
    {fade(0xFBFBFA, 0xE4E2DA), fade(0xF6F4F2, 0xE0DDD4)},
    {0xE2DFD6, 0xD6D0C5},
};

const RaisedBand HIGHLIGHT_BAND{
    {0xFFF0CF, 0xFDD889},
    {fade3(0xFEDF9A, 0xFCCA69, 0xF9B435), fade3(0xFCD279, 0xFCCA69, 0xF9B435)},
    {fade3(0xFCD279, 0xFCCA69, 0xF9B435), fade3(0xFEDF9A, 0xFCCA69, 0xF9B435)},
    {0xF8B330, 0xE59700},
};

const RaisedBand SELECTED_BAND{
    {0xCEE7FF, 0xCEE7FF},
    {fade(0xB7D0F4, 0x8BADE4), fade(0xB7D0F4, 0x8BADE4)},
    {fade(0xB7D0F4, 0x8BADE4), fade(0xB7D0F4, 0x8BADE4)},
    {0x6982EE, 0x6982EE},
};

class Canvas {
  public:
    Canvas() : pixels_(WIDTH * HEIGHT, 0) {}
    void set(int x, int y, Rgb colour) { pixels_[y * WIDTH + x] = colour; }
    Rgb at(int x, int y) const { return pixels_[y * WIDTH + x]; }
    void fill(int x0, int y0, int x1, int y1, Rgb colour) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                set(x, y, colour);
    }
    void row(int y, int x0, int x1, Rgb colour) { fill(x0, y, x1, y, colour); }
    void column(int x, int y0, int y1, Rgb colour) { fill(x, y0, x, y1, colour); }

  private:
    std::vector<Rgb> pixels_;
};

int channelOf(Rgb colour, int shift) {
    return static_cast<int>((colour >> shift) & 0xFF);
}

Rgb mix(Rgb from, Rgb to, double t) {
    Rgb out = 0;
    for (int shift : {16, 8, 0}) {
        const double value =
            channelOf(from, shift) + (channelOf(to, shift) - channelOf(from, shift)) * t;
        out |= static_cast<Rgb>(std::lround(value)) << shift;
    }
    return out;
}

Rgb fadeAt(const SideFade& f, int y, int firstY, int lastY) {
    const double t = static_cast<double>(y - firstY) / (lastY - firstY);
    if (!f.hasMiddle)
        return mix(f.top, f.bottom, t);
    return t <= 0.5 ? mix(f.top, f.middle, t * 2) : mix(f.middle, f.bottom, (t - 0.5) * 2);
}

// Rounded corners: for each corner pixel of a frame line, the pixel outside
// the curve, its two neighbours on the curve and the one inside it.
void roundCorners(Canvas& c, int inset, Rgb faint, Rgb edge, Rgb inner) {
    const int left = inset, right = LAST_X - inset, top = inset, bottom = LAST_Y - inset;
    for (auto [x, y, dx, dy] : std::array<std::array<int, 4>, 4>{{{left, top, 1, 1},
                                                                  {right, top, -1, 1},
                                                                  {left, bottom, 1, -1},
                                                                  {right, bottom, -1, -1}}}) {
        c.set(x, y, faint);
        c.set(x + dx, y, edge);
        c.set(x, y + dy, edge);
        c.set(x + dx, y + dy, inner);
    }
}

// The border line `inset` pixels in, leaving two pixels at each corner for
// the rounding.
void borderLine(Canvas& c, int inset, Rgb colour) {
    c.row(inset, inset + 2, LAST_X - inset - 2, colour);
    c.row(LAST_Y - inset, inset + 2, LAST_X - inset - 2, colour);
    c.column(inset, inset + 2, LAST_Y - inset - 2, colour);
    c.column(LAST_X - inset, inset + 2, LAST_Y - inset - 2, colour);
}

// The outermost light line of a raised frame, `inset` pixels in.
void outerLine(Canvas& c, int inset) {
    c.column(inset, inset, LAST_Y - inset, OUTER_LEFT);
    c.column(LAST_X - inset, inset, LAST_Y - inset, OUTER_RIGHT);
    c.row(inset, inset, LAST_X - inset, OUTER_TOP);
    c.row(LAST_Y - inset, inset, LAST_X - inset, OUTER_BOTTOM);
}

Canvas raisedSkin(const RaisedBand& band) {
    Canvas c;
    constexpr int BAND_TOP = 2, BAND_BOTTOM = LAST_Y - 2;
    constexpr int FADE_TOP = 4, FADE_BOTTOM = LAST_Y - 4;
    c.fill(FADE_TOP, FADE_TOP, LAST_X - 4, FADE_BOTTOM, band.topRows[1]); // never shown
    for (int y = BAND_TOP; y <= BAND_BOTTOM; ++y) {
        const int clamped = y < FADE_TOP ? FADE_TOP : (y > FADE_BOTTOM ? FADE_BOTTOM : y);
        for (int i = 0; i < 2; ++i) {
            c.set(2 + i, y, fadeAt(band.leftCols[i], clamped, FADE_TOP, FADE_BOTTOM));
            c.set(LAST_X - 3 + i, y, fadeAt(band.rightCols[i], clamped, FADE_TOP, FADE_BOTTOM));
        }
    }
    for (int i = 0; i < 2; ++i) {
        c.row(BAND_TOP + i, 2, LAST_X - 2, band.topRows[i]);
        c.row(LAST_Y - 3 + i, 2, LAST_X - 2, band.bottomRows[i]);
    }
    outerLine(c, 0);
    borderLine(c, 1, BORDER_LINE);
    roundCorners(c, 1, CORNER_FAINT, CORNER_EDGE, CORNER_INNER);
    return c;
}

// The raised frame pushed one pixel in, with a shadow inside its line.
Canvas pressedSkin() {
    constexpr Rgb SHADOW_TOP = 0xD1CCC0;
    constexpr Rgb SHADOW_LEFT = 0xD7D4CB;
    constexpr Rgb LIGHT_BOTTOM_FROM = 0xF0F0EC;
    constexpr Rgb LIGHT_BOTTOM_TO = 0xF2F1EE;
    constexpr Rgb LIGHT_RIGHT = 0xE4E3DC;
    Canvas c;
    c.fill(0, 0, LAST_X, LAST_Y, SURROUND);
    c.fill(4, 4, LAST_X - 4, LAST_Y - 4, LIGHT_BOTTOM_FROM); // never shown
    c.row(3, 3, LAST_X - 3, SHADOW_TOP);
    c.column(3, 3, LAST_Y - 3, SHADOW_LEFT);
    c.column(LAST_X - 3, 4, LAST_Y - 3, LIGHT_RIGHT);
    // The light line above the bottom border: uniform where the edge is
    // stretched, a shade lighter at its two ends in the corners.
    c.row(LAST_Y - 3, 3, LAST_X - 3, LIGHT_BOTTOM_TO);
    c.row(LAST_Y - 3, 4, LAST_X - 4, LIGHT_BOTTOM_FROM);
    outerLine(c, 1);
    borderLine(c, 2, BORDER_LINE);
    roundCorners(c, 2, CORNER_FAINT, CORNER_EDGE, CORNER_INNER);
    return c;
}

Canvas disabledSkin() {
    Canvas c;
    c.fill(0, 0, LAST_X, LAST_Y, SURROUND);
    c.fill(1, 1, LAST_X - 1, LAST_Y - 1, DISABLED_FACE);
    borderLine(c, 1, DISABLED_LINE);
    roundCorners(c, 1, DISABLED_CORNER_FAINT, DISABLED_CORNER_EDGE, DISABLED_CORNER_FAINT);
    return c;
}

std::vector<uint8_t> bmpFile(const Canvas& c) {
    return tools::Bmp24File(
        WIDTH, HEIGHT,
        [&c](int x, int y) {
            const Rgb colour = c.at(x, y);
            return tools::BmpRgb{static_cast<uint8_t>(channelOf(colour, 16)),
                                 static_cast<uint8_t>(channelOf(colour, 8)),
                                 static_cast<uint8_t>(channelOf(colour, 0))};
        },
        PIXELS_PER_METRE_96_DPI);
}

} // namespace

std::vector<SkinImageFile> drawSkinImages() {
    const Canvas highlight = raisedSkin(HIGHLIGHT_BAND);
    return {
        {"normal.bmp", bmpFile(raisedSkin(NORMAL_BAND))},
        {"highlight.bmp", bmpFile(highlight)},
        {"highlight_select.bmp", bmpFile(highlight)},
        {"selected.bmp", bmpFile(raisedSkin(SELECTED_BAND))},
        {"pressed.bmp", bmpFile(pressedSkin())},
        {"disable.bmp", bmpFile(disabledSkin())},
    };
}

} // namespace kestro

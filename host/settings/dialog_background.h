#pragma once
// The painted background of the dialog and of its panel: a vertical light
// band on a dark ground, one horizontal line per pixel row.

#include <cstdint>

namespace kestro {

struct RgbColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    bool operator==(const RgbColour& other) const {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

constexpr double BAND_PI = 3.142;         // the band spans half a sine period over the height
constexpr double BAND_BRIGHTNESS = 220;   // brightest value, in the middle row
constexpr int WINDOW_BAND_BLUE_LIFT = 30; // the window's band is tinted blue
constexpr int PANEL_BAND_LIFT = 30;       // the panel's band is lighter and grey

// |sin(row / (height / 3.142)) × 220| rounded to the nearest integer, halves
// to even. Rows run from 0 to height inclusive.
int BandValue(int row, int height);

RgbColour WindowBandColour(int row, int height); // (v, v, v + 30)
RgbColour PanelBandColour(int row, int height);  // (v + 30, v + 30, v + 30)

} // namespace kestro

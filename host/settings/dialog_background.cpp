#include "host/settings/dialog_background.h"

#include <cmath>

namespace kestro {

int BandValue(int row, int height) {
    if (height <= 0)
        return 0;
    const double rowsPerRadian = height / BAND_PI;
    // The default rounding mode rounds halves to even.
    return static_cast<int>(
        std::nearbyint(std::fabs(std::sin(row / rowsPerRadian) * BAND_BRIGHTNESS)));
}

RgbColour WindowBandColour(int row, int height) {
    const int v = BandValue(row, height);
    return {static_cast<uint8_t>(v), static_cast<uint8_t>(v),
            static_cast<uint8_t>(v + WINDOW_BAND_BLUE_LIFT)};
}

RgbColour PanelBandColour(int row, int height) {
    const auto v = static_cast<uint8_t>(BandValue(row, height) + PANEL_BAND_LIFT);
    return {v, v, v};
}

} // namespace kestro

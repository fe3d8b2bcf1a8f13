#pragma once
// Paints a client area as the dialog's sine band, one line per pixel row.

#include <windows.h>

#include "host/settings/dialog_background.h"

namespace kestro {

using BandColour = RgbColour (*)(int row, int height);

void paintBand(HDC dc, int width, int height, BandColour colourOfRow);

} // namespace kestro

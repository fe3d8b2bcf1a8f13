#pragma once
// Paints a client area as the dialog's sine band, one line per pixel row.

#include <windows.h>

#include "host/forms/windowless_control_win32.h"
#include "host/settings/dialog_background.h"

namespace kestro {

using BandColour = RgbColour (*)(int row, int height);

void paintBand(HDC dc, int width, int height, BandColour colourOfRow);

// Within a WM_PAINT: the band over the whole client area of the window, the
// controls over it, reaching the screen in one copy.
void paintBandedWindow(HWND window, HDC dc, BandColour colourOfRow,
                       const WindowlessLayer& controls);

} // namespace kestro

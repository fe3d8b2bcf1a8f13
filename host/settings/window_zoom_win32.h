#pragma once
// The caption zoom animations the settings dialog plays when it opens and
// closes: from the point where the pointer was when it loaded, and back.

#include <windows.h>

#include <cstdint>

namespace kestro {

// In screen pixels.
struct ZoomOrigin {
    int16_t ZoomOriginX = 0;
    int16_t ZoomOriginY = 0;
};

// The pointer's position now; (0, 0) when the system cannot tell.
ZoomOrigin ZoomOriginAtPointer();

void ZoomWindowOpen(HWND window, ZoomOrigin origin);
void ZoomWindowClose(HWND window, ZoomOrigin origin);

} // namespace kestro

#pragma once
// The caption zoom animations the settings dialog plays when it opens and closes.

#include <windows.h>

#include <cstdint>

namespace kestro {

// Where the animations start from or shrink to, in screen pixels; set by the
// settings dialog when it loads.
extern int16_t ZoomOriginX;
extern int16_t ZoomOriginY;

void ZoomWindowOpen(HWND window);
void ZoomWindowClose(HWND window);

} // namespace kestro

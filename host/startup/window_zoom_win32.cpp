#include "host/startup/window_zoom.h"

namespace kestro {

int16_t ZoomOriginX = 0;
int16_t ZoomOriginY = 0;

namespace {
RECT zoomOrigin() { return RECT{ZoomOriginX, ZoomOriginY, ZoomOriginX, ZoomOriginY}; }
} // namespace

void ZoomWindowOpen(HWND window) {
    RECT from = zoomOrigin();
    RECT to{};
    if (!GetWindowRect(window, &to)) return;
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

void ZoomWindowClose(HWND window) {
    RECT from{};
    if (!GetWindowRect(window, &from)) return;
    RECT to = zoomOrigin();
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

} // namespace kestro

#include "host/settings/window_zoom_win32.h"

namespace kestro {

namespace {
RECT pointRect(ZoomOrigin origin) {
    return RECT{origin.ZoomOriginX, origin.ZoomOriginY, origin.ZoomOriginX, origin.ZoomOriginY};
}
} // namespace

ZoomOrigin ZoomOriginAtPointer() {
    POINT cursor{};
    if (!GetCursorPos(&cursor))
        return {};
    return {static_cast<int16_t>(cursor.x), static_cast<int16_t>(cursor.y)};
}

void ZoomWindowOpen(HWND window, ZoomOrigin origin) {
    RECT from = pointRect(origin);
    RECT to{};
    if (!GetWindowRect(window, &to))
        return;
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

void ZoomWindowClose(HWND window, ZoomOrigin origin) {
    RECT from{};
    if (!GetWindowRect(window, &from))
        return;
    RECT to = pointRect(origin);
    DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

} // namespace kestro

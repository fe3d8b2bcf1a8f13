#include "host/settings/dialog_geometry_win32.h"

#include "host/forms/form_window_win32.h"
#include "host/forms/twips.h"
#include "host/settings/dialog_placement.h"

namespace kestro {

RECT pixelRect(const DesignRect& twips) {
    const int perPixelX = screenTwipsPerPixelX();
    const int perPixelY = screenTwipsPerPixelY();
    const int left = pixelsFromTwips(twips.left, perPixelX);
    const int top = pixelsFromTwips(twips.top, perPixelY);
    return RECT{left, top, left + pixelsFromTwips(twips.width, perPixelX),
                top + pixelsFromTwips(twips.height, perPixelY)};
}

TwipsRect commandRect(const DesignRect& twips) {
    return TwipsRect{twips.left, twips.top, twips.width, twips.height};
}

void placeDialogOnScreen(HWND dialog) {
    RECT outer{};
    if (!GetWindowRect(dialog, &outer))
        return;
    const int perPixelX = screenTwipsPerPixelX();
    const int perPixelY = screenTwipsPerPixelY();
    const DialogOrigin origin = DialogPlacement(
        GetSystemMetrics(SM_CXSCREEN) * perPixelX, GetSystemMetrics(SM_CYSCREEN) * perPixelY,
        (outer.right - outer.left) * perPixelX, (outer.bottom - outer.top) * perPixelY);
    SetWindowPos(dialog, nullptr, pixelsFromTwips(origin.left, perPixelX),
                 pixelsFromTwips(origin.top, perPixelY), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace kestro

#include "host/forms/form_image_win32.h"

#include <algorithm>

#include "host/forms/form_window_win32.h"
#include "host/forms/twips.h"

namespace kestro {

namespace {

// Copies the source's top-left corner scaled to the target area; a plain
// copy when the sizes agree, as at the standard 96 dpi. Whole source pixels
// become whole target pixels, so the picture stays sharp.
void copyScaled(HDC target, const RECT& area, HDC source, int sourceWidth, int sourceHeight) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width == sourceWidth && height == sourceHeight) {
        BitBlt(target, area.left, area.top, width, height, source, 0, 0, SRCCOPY);
        return;
    }
    const int previousMode = SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, area.left, area.top, width, height, source, 0, 0, sourceWidth, sourceHeight,
               SRCCOPY);
    SetStretchBltMode(target, previousMode);
}

} // namespace

void FormImage::paint(HDC dc) const {
    BITMAP info{};
    if (!picture_ || !GetObjectA(picture_, sizeof info, &info) || info.bmWidth <= 0 ||
        info.bmHeight <= 0)
        return;
    const RECT& area = bounds();
    const int fullWidth = screenPixelsOfPicture(info.bmWidth, screenTwipsPerPixelX());
    const int fullHeight = screenPixelsOfPicture(info.bmHeight, screenTwipsPerPixelY());
    const int width = std::min<int>(fullWidth, area.right - area.left);
    const int height = std::min<int>(fullHeight, area.bottom - area.top);
    if (width <= 0 || height <= 0)
        return;
    // The part of the picture that lands inside the bounds.
    const int sourceWidth =
        std::max(1, static_cast<int>(static_cast<long long>(width) * info.bmWidth / fullWidth));
    const int sourceHeight =
        std::max(1, static_cast<int>(static_cast<long long>(height) * info.bmHeight / fullHeight));

    HDC source = CreateCompatibleDC(dc);
    if (!source)
        return;
    HGDIOBJ previous = SelectObject(source, picture_);
    copyScaled(dc, RECT{area.left, area.top, area.left + width, area.top + height}, source,
               sourceWidth, sourceHeight);
    SelectObject(source, previous);
    DeleteDC(source);
}

HBITMAP loadBitmapResource(const char* name) {
    return static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

} // namespace kestro

#include "host/forms/form_image_win32.h"

#include <algorithm>

namespace kestro {

void FormImage::paint(HDC dc) const {
    BITMAP info{};
    if (!picture_ || !GetObjectA(picture_, sizeof info, &info))
        return;
    const RECT& area = bounds();
    const int width = std::min<int>(info.bmWidth, area.right - area.left);
    const int height = std::min<int>(info.bmHeight, area.bottom - area.top);
    if (width <= 0 || height <= 0)
        return;

    HDC source = CreateCompatibleDC(dc);
    if (!source)
        return;
    HGDIOBJ previous = SelectObject(source, picture_);
    BitBlt(dc, area.left, area.top, width, height, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

HBITMAP loadBitmapResource(const char* name) {
    return static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

} // namespace kestro

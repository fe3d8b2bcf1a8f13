#include "host/forms/offscreen_paint_win32.h"

namespace kestro {

void paintOffscreen(HWND window, HDC target, const std::function<void(HDC)>& draw) {
    RECT client{};
    GetClientRect(window, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0)
        return;

    HDC memory = CreateCompatibleDC(target);
    HBITMAP image = memory ? CreateCompatibleBitmap(target, width, height) : nullptr;
    if (!image) {
        // No room for the image: paint straight to the window.
        if (memory)
            DeleteDC(memory);
        draw(target);
        return;
    }
    HGDIOBJ previous = SelectObject(memory, image);
    draw(memory);
    BitBlt(target, 0, 0, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(image);
    DeleteDC(memory);
}

} // namespace kestro

// The black windows over the monitors the renderer does not draw on: their
// class paints black and hides the mouse pointer, and they never take the
// focus, so the keys keep going to the renderer's window.

#include "common/shared_names.h"
#include "renderer/shell/window_class_win32.h"

namespace kestro {

namespace {

LRESULT CALLBACK coverWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        SetCursor(nullptr);
        return TRUE;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

bool registerCoverClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = coverWindowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.hCursor = nullptr;
    windowClass.lpszClassName = COVER_CLASS_NAME;
    return RegisterClassExA(&windowClass) != 0;
}

HWND createCoverWindow(HINSTANCE instance, const RECT& area, bool topmost) {
    const DWORD extendedStyle = WS_EX_TOOLWINDOW | (topmost ? WS_EX_TOPMOST : 0);
    HWND cover = CreateWindowExA(extendedStyle, COVER_CLASS_NAME, COVER_WINDOW_TITLE, WS_POPUP,
                                 area.left, area.top, area.right - area.left,
                                 area.bottom - area.top, nullptr, nullptr, instance, nullptr);
    if (cover != nullptr)
        ShowWindow(cover, SW_SHOWNOACTIVATE);
    return cover;
}

} // namespace kestro

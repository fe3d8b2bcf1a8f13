// The "OpenGL" window class and its window procedure. The procedure only
// finds the backend that owns the window and hands it the message.

#include "common/window_owner_win32.h"
#include "renderer/shell/win32_backend.h"
#include "renderer/shell/window_class_win32.h"

namespace kestro {

namespace {
// The system colour index used directly as the brush value; the GL context
// paints the whole client area anyway.
constexpr INT_PTR CLASS_BACKGROUND_BRUSH = COLOR_APPWORKSPACE;
} // namespace

bool registerRendererClass(const RendererClass& rendererClass) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = rendererWindowProc;
    windowClass.hInstance = static_cast<HINSTANCE>(rendererClass.instance);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(CLASS_BACKGROUND_BRUSH);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = rendererClass.className;
    return RegisterClassExA(&windowClass) != 0;
}

LRESULT CALLBACK rendererWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Win32Backend* backend = windowOwner<Win32Backend>(hwnd, message, lParam);
    if (backend != nullptr && backend->handleMessage(message, wParam, lParam))
        return 0;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace kestro

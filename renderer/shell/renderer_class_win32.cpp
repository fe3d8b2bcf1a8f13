// The "OpenGL" window class and its window procedure. The procedure only
// finds the window record and hands the message to the portable handler.

#include "renderer/shell/renderer_messages.h"
#include "renderer/shell/renderer_shell_win32.h"

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
    if (message == WM_CREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        return 0;
    }
    auto* window = reinterpret_cast<RendererWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (handleRendererMessage(window, message, wParam, lParam))
        return 0;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace kestro

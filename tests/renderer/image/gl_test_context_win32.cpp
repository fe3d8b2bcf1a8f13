// A hidden window with a pixel format like the renderer's and a WGL context.

#include "tests/renderer/image/gl_test_context.h"

#include <windows.h>

namespace kestro::testing_gl {

namespace {
constexpr char CLASS_NAME[] = "KestroGlTest";
}

struct GlTestContext::Parts {
    HWND window = nullptr;
    HDC dc = nullptr;
    HGLRC context = nullptr;
    bool current = false;
};

GlTestContext::GlTestContext() : parts_(std::make_unique<Parts>()) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = CLASS_NAME;
    RegisterClassA(&windowClass); // a second registration fails harmlessly
    parts_->window = CreateWindowExA(0, CLASS_NAME, "gl test", WS_OVERLAPPEDWINDOW, 0, 0, 64, 64,
                                     nullptr, nullptr, windowClass.hInstance, nullptr);
    if (parts_->window == nullptr)
        return;
    parts_->dc = GetDC(parts_->window);
    PIXELFORMATDESCRIPTOR format = {};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 32;
    format.cDepthBits = 32;
    const int chosen = ChoosePixelFormat(parts_->dc, &format);
    if (chosen == 0 || !SetPixelFormat(parts_->dc, chosen, &format))
        return;
    parts_->context = wglCreateContext(parts_->dc);
    parts_->current = parts_->context != nullptr && wglMakeCurrent(parts_->dc, parts_->context);
}

GlTestContext::~GlTestContext() {
    if (parts_->context != nullptr) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(parts_->context);
    }
    if (parts_->dc != nullptr)
        ReleaseDC(parts_->window, parts_->dc);
    if (parts_->window != nullptr)
        DestroyWindow(parts_->window);
}

bool GlTestContext::current() const {
    return parts_->current;
}

} // namespace kestro::testing_gl

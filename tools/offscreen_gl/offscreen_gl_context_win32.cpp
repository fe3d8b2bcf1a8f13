// Under Wine: a hidden window with the renderer's pixel format, drawn into
// its back buffer and read back from there.

#include "tools/offscreen_gl/offscreen_gl_context.h"

#include <windows.h>

#include <GL/gl.h>

namespace kestro::tools {

namespace {
constexpr const char* CLASS_NAME = "KestroOffscreenGl";
constexpr BYTE COLOUR_BITS = 32;
constexpr BYTE DEPTH_BITS = 32;
} // namespace

struct OffscreenGlContext::Context {
    HWND window = nullptr;
    HDC deviceContext = nullptr;
    HGLRC glContext = nullptr;
};

OffscreenGlContext::OffscreenGlContext(int width, int height)
    : width_(width), height_(height), buffer_(static_cast<std::size_t>(width) * height * 4, 0),
      context_(std::make_unique<Context>()) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = CLASS_NAME;
    RegisterClassA(&windowClass); // fails harmlessly when a previous context registered it

    context_->window = CreateWindowExA(0, CLASS_NAME, "offscreen", WS_POPUP, 0, 0, width, height,
                                       nullptr, nullptr, windowClass.hInstance, nullptr);
    if (context_->window == nullptr) {
        return;
    }
    context_->deviceContext = GetDC(context_->window);
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof(format);
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = COLOUR_BITS;
    format.cDepthBits = DEPTH_BITS;
    const int chosen = ChoosePixelFormat(context_->deviceContext, &format);
    if (chosen == 0 || !SetPixelFormat(context_->deviceContext, chosen, &format)) {
        return;
    }
    context_->glContext = wglCreateContext(context_->deviceContext);
    if (context_->glContext == nullptr ||
        !wglMakeCurrent(context_->deviceContext, context_->glContext)) {
        return;
    }
    setUpView();
    ready_ = true;
}

OffscreenGlContext::~OffscreenGlContext() {
    if (context_->glContext != nullptr) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(context_->glContext);
    }
    if (context_->deviceContext != nullptr) {
        ReleaseDC(context_->window, context_->deviceContext);
    }
    if (context_->window != nullptr) {
        DestroyWindow(context_->window);
    }
}

void OffscreenGlContext::finish() {
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, buffer_.data());
}

} // namespace kestro::tools

#include "renderer/shell/gl_context_win32.h"

namespace kestro {

namespace {
constexpr BYTE DEPTH_BUFFER_BITS = 32;
} // namespace

PIXELFORMATDESCRIPTOR rendererPixelFormat(int32_t colourBits) {
    PIXELFORMATDESCRIPTOR format = {};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = static_cast<BYTE>(colourBits);
    format.cDepthBits = DEPTH_BUFFER_BITS;
    format.iLayerType = PFD_MAIN_PLANE;
    return format;
}

int chooseRendererPixelFormat(HDC dc, int32_t colourBits) {
    const PIXELFORMATDESCRIPTOR format = rendererPixelFormat(colourBits);
    return ChoosePixelFormat(dc, &format);
}

bool setRendererPixelFormat(HDC dc, int format, int32_t colourBits) {
    const PIXELFORMATDESCRIPTOR request = rendererPixelFormat(colourBits);
    return SetPixelFormat(dc, format, &request) != FALSE;
}

HGLRC createWglContext(HDC dc) {
    return wglCreateContext(dc);
}

bool makeWglContextCurrent(HDC dc, HGLRC context) {
    return wglMakeCurrent(dc, context) != FALSE;
}

void deleteWglContext(HGLRC context) {
    wglDeleteContext(context);
}

void presentWglPicture(HDC dc) {
    SwapBuffers(dc);
}

} // namespace kestro

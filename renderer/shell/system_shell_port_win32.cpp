// The renderer shell's calls into USER32, GDI32 and WGL, one each.

#include "renderer/shell/renderer_shell_win32.h"
#include "renderer/shell/view_projection.h"

namespace kestro {

namespace {

constexpr BYTE DEPTH_BUFFER_BITS = 32;

HWND asWindow(WindowHandle handle) {
    return static_cast<HWND>(handle);
}
HDC asDc(DeviceContext handle) {
    return static_cast<HDC>(handle);
}
HGLRC asContext(GlContext handle) {
    return static_cast<HGLRC>(handle);
}

struct FrameStyle {
    DWORD style;
    DWORD extendedStyle;
    bool adjustToClientArea;
};

FrameStyle styleOf(WindowFrame frame) {
    switch (frame) {
    case WindowFrame::FullScreenPopup:
        return {WS_POPUP, WS_EX_APPWINDOW | WS_EX_TOPMOST, false};
    case WindowFrame::FallbackOverlapped:
        return {WS_OVERLAPPEDWINDOW, WS_EX_APPWINDOW, false};
    case WindowFrame::AdjustedOverlapped:
        return {WS_OVERLAPPEDWINDOW, WS_EX_APPWINDOW, true};
    }
    return {WS_OVERLAPPEDWINDOW, WS_EX_APPWINDOW, true};
}

} // namespace

bool switchDisplayMode(int32_t width, int32_t height, int32_t bits) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmBitsPerPel = static_cast<DWORD>(bits);
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    return ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
}

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

bool SystemShellPort::registerClass(const RendererClass& rendererClass) {
    return registerRendererClass(rendererClass);
}

void SystemShellPort::unregisterClass(const RendererClass& rendererClass) {
    UnregisterClassA(rendererClass.className, static_cast<HINSTANCE>(rendererClass.instance));
}

bool SystemShellPort::switchDisplayMode(int32_t width, int32_t height, int32_t bits) {
    return kestro::switchDisplayMode(width, height, bits);
}

void SystemShellPort::restoreDisplayMode() {
    ChangeDisplaySettingsA(nullptr, 0);
}

void SystemShellPort::showCursor(bool visible) {
    ShowCursor(visible ? TRUE : FALSE);
}

WindowHandle SystemShellPort::createWindow(RendererWindow& window, WindowFrame frame) {
    const FrameStyle look = styleOf(frame);
    RECT bounds = {0, 0, window.width, window.height};
    if (look.adjustToClientArea)
        AdjustWindowRectEx(&bounds, look.style, FALSE, look.extendedStyle);
    return CreateWindowExA(look.extendedStyle, window.classInfo->className, window.title,
                           look.style, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
                           nullptr, nullptr, static_cast<HINSTANCE>(window.classInfo->instance),
                           &window);
}

DeviceContext SystemShellPort::getDeviceContext(WindowHandle window) {
    return GetDC(asWindow(window));
}

int SystemShellPort::choosePixelFormat(DeviceContext dc, int32_t colourBits) {
    const PIXELFORMATDESCRIPTOR format = rendererPixelFormat(colourBits);
    return ChoosePixelFormat(asDc(dc), &format);
}

bool SystemShellPort::setPixelFormat(DeviceContext dc, int format, int32_t colourBits) {
    const PIXELFORMATDESCRIPTOR request = rendererPixelFormat(colourBits);
    return SetPixelFormat(asDc(dc), format, &request) != FALSE;
}

GlContext SystemShellPort::createGlContext(DeviceContext dc) {
    return wglCreateContext(asDc(dc));
}

bool SystemShellPort::makeCurrent(DeviceContext dc, GlContext context) {
    return wglMakeCurrent(asDc(dc), asContext(context)) != FALSE;
}

void SystemShellPort::deleteGlContext(GlContext context) {
    wglDeleteContext(asContext(context));
}

void SystemShellPort::releaseDeviceContext(WindowHandle window, DeviceContext dc) {
    ReleaseDC(asWindow(window), asDc(dc));
}

void SystemShellPort::destroyWindow(WindowHandle window) {
    DestroyWindow(asWindow(window));
}

void SystemShellPort::showWindow(WindowHandle window) {
    ShowWindow(asWindow(window), SW_SHOWNORMAL);
}

void SystemShellPort::resizeView(int32_t width, int32_t height) {
    kestro::resizeView(width, height);
}

uint32_t SystemShellPort::tickCount() {
    return GetTickCount();
}

TakenMessage SystemShellPort::takeMessage(WindowHandle window) {
    MSG message;
    if (!PeekMessageA(&message, asWindow(window), 0, 0, PM_REMOVE))
        return TakenMessage::None;
    if (message.message == WM_QUIT)
        return TakenMessage::Quit;
    // Keys are read as virtual-key codes, so no character translation.
    DispatchMessageA(&message);
    return TakenMessage::Dispatched;
}

void SystemShellPort::waitMessage() {
    WaitMessage();
}

void SystemShellPort::swapBuffers(DeviceContext dc) {
    SwapBuffers(asDc(dc));
}

void SystemShellPort::postQuit(WindowHandle window) {
    PostMessageA(asWindow(window), WM_QUIT, 0, 0);
}

} // namespace kestro

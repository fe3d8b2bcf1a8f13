// The Win32 backend's calls into USER32, GDI32 and WGL, one each.

#include "renderer/shell/user32_port_win32.h"
// After <windows.h>, which it relies on.
#include <mmsystem.h>

#include "common/shared_names.h"
#include "common/window_owner_win32.h"
#include "renderer/shell/gl_context_win32.h"
#include "renderer/shell/window_class_win32.h"
#include "renderer/shell/step_pacer.h"
#include "renderer/shell/view_projection.h"

namespace kestro {

namespace {

constexpr UINT WAIT_TIMER_PERIOD_MS = 1;

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

ScreenRect asScreenRect(const RECT& area) {
    return {area.left, area.top, area.right, area.bottom};
}

BOOL CALLBACK addMonitor(HMONITOR, HDC, LPRECT area, LPARAM monitors) {
    reinterpret_cast<std::vector<ScreenRect>*>(monitors)->push_back(asScreenRect(*area));
    return TRUE;
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

bool User32Port::registerClass(const RendererClass& rendererClass) {
    return registerRendererClass(rendererClass);
}

void User32Port::unregisterClass(const RendererClass& rendererClass) {
    UnregisterClassA(rendererClass.className, static_cast<HINSTANCE>(rendererClass.instance));
}

bool User32Port::switchDisplayMode(int32_t width, int32_t height, int32_t bits) {
    return kestro::switchDisplayMode(width, height, bits);
}

void User32Port::restoreDisplayMode() {
    ChangeDisplaySettingsA(nullptr, 0);
}

void User32Port::showCursor(bool visible) {
    ShowCursor(visible ? TRUE : FALSE);
}

WindowHandle User32Port::createWindow(const WindowRequest& request, WindowFrame frame) {
    const FrameStyle look = styleOf(frame);
    RECT bounds = {0, 0, request.width, request.height};
    if (look.adjustToClientArea)
        AdjustWindowRectEx(&bounds, look.style, FALSE, look.extendedStyle);
    return CreateWindowExA(look.extendedStyle, request.rendererClass.className, request.title,
                           look.style, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
                           nullptr, nullptr, static_cast<HINSTANCE>(request.rendererClass.instance),
                           request.owner);
}

DeviceContext User32Port::getDeviceContext(WindowHandle window) {
    return GetDC(asWindow(window));
}

int User32Port::choosePixelFormat(DeviceContext dc, int32_t colourBits) {
    return chooseRendererPixelFormat(asDc(dc), colourBits);
}

bool User32Port::setPixelFormat(DeviceContext dc, int format, int32_t colourBits) {
    return setRendererPixelFormat(asDc(dc), format, colourBits);
}

GlContext User32Port::createGlContext(DeviceContext dc) {
    return createWglContext(asDc(dc));
}

bool User32Port::makeCurrent(DeviceContext dc, GlContext context) {
    return makeWglContextCurrent(asDc(dc), asContext(context));
}

void User32Port::deleteGlContext(GlContext context) {
    deleteWglContext(asContext(context));
}

void User32Port::releaseDeviceContext(WindowHandle window, DeviceContext dc) {
    ReleaseDC(asWindow(window), asDc(dc));
}

void User32Port::destroyWindow(WindowHandle window) {
    unbindWindowOwner(asWindow(window));
    DestroyWindow(asWindow(window));
}

void User32Port::showWindow(WindowHandle window) {
    ShowWindow(asWindow(window), SW_SHOWNORMAL);
}

void User32Port::resizeView(int32_t width, int32_t height) {
    kestro::resizeView(width, height);
}

std::vector<ScreenRect> User32Port::listMonitors() {
    std::vector<ScreenRect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

ScreenRect User32Port::monitorOf(WindowHandle window) {
    MONITORINFO info = {};
    info.cbSize = sizeof info;
    HMONITOR monitor = MonitorFromWindow(asWindow(window), MONITOR_DEFAULTTOPRIMARY);
    if (!GetMonitorInfoA(monitor, &info))
        return {0, 0, 0, 0};
    return asScreenRect(info.rcMonitor);
}

WindowHandle User32Port::createCoverWindow(ModuleInstance instance, const ScreenRect& area,
                                               bool topmost) {
    HINSTANCE module = static_cast<HINSTANCE>(instance);
    if (coverClassInstance_ == nullptr) {
        if (!registerCoverClass(module))
            return nullptr;
        coverClassInstance_ = module;
    }
    return kestro::createCoverWindow(module, RECT{area.left, area.top, area.right, area.bottom},
                                     topmost);
}

void User32Port::destroyCoverWindow(WindowHandle cover) {
    DestroyWindow(asWindow(cover));
}

User32Port::User32Port() {
    // Waits between steps last a few milliseconds; the default timer
    // period (about 15.6 ms) would round them up past the next step.
    timeBeginPeriod(WAIT_TIMER_PERIOD_MS);
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    counterFrequency_ = static_cast<uint64_t>(frequency.QuadPart);
}

User32Port::~User32Port() {
    if (coverClassInstance_ != nullptr)
        UnregisterClassA(COVER_CLASS_NAME, coverClassInstance_);
    timeEndPeriod(WAIT_TIMER_PERIOD_MS);
}

uint64_t User32Port::clockMicroseconds() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    const uint64_t ticks = static_cast<uint64_t>(counter.QuadPart);
    // Whole seconds and the rest apart, so the product cannot overflow.
    const uint64_t seconds = ticks / counterFrequency_;
    const uint64_t rest = ticks % counterFrequency_;
    return seconds * MICROSECONDS_PER_SECOND + rest * MICROSECONDS_PER_SECOND / counterFrequency_;
}

TakenMessage User32Port::takeMessage(WindowHandle window) {
    MSG message;
    if (!PeekMessageA(&message, asWindow(window), 0, 0, PM_REMOVE))
        return TakenMessage::None;
    if (message.message == WM_QUIT)
        return TakenMessage::Quit;
    // Keys are read as virtual-key codes, so no character translation.
    DispatchMessageA(&message);
    return TakenMessage::Dispatched;
}

void User32Port::waitMessage() {
    WaitMessage();
}

void User32Port::waitMessageOrTimeout(uint64_t timeoutMicroseconds) {
    // Rounded up: waking before the step is due would only wait again.
    const uint64_t milliseconds = (timeoutMicroseconds + 999) / 1000;
    const DWORD timeout =
        milliseconds >= INFINITE ? INFINITE - 1 : static_cast<DWORD>(milliseconds);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, timeout, QS_ALLINPUT);
}

void User32Port::swapBuffers(DeviceContext dc) {
    presentWglPicture(asDc(dc));
}

} // namespace kestro

#pragma once
// Everything the Win32 backend asks of the system, one call per step of its
// behaviour. The Windows implementation is User32Port; native tests use a
// recording fake.

#include <cstdint>
#include <vector>

#include "renderer/shell/monitor_cover.h"

namespace kestro {

class Win32Backend;

// What taking one message from the window's queue did.
enum class TakenMessage { None, Quit, Dispatched };

// System handles, opaque to the portable code.
using ModuleInstance = void*;
using WindowHandle = void*;
using DeviceContext = void*;
using GlContext = void*;

struct RendererClass {
    ModuleInstance instance;
    const char* className;
};

// What the window is made with. The window procedure finds the owner again
// from the window's creation parameters.
struct WindowRequest {
    RendererClass rendererClass;
    const char* title;
    int32_t width;
    int32_t height;
    Win32Backend* owner;
};

// How the window is framed, decided by the backend.
enum class WindowFrame {
    FullScreenPopup,    // popup, topmost, outer size = the display mode
    FallbackOverlapped, // framed, outer size 1024 x 768 (full screen refused)
    AdjustedOverlapped, // framed, client area 1024 x 768
};

class Win32Port {
  public:
    virtual ~Win32Port() = default;

    virtual bool registerClass(const RendererClass& rendererClass) = 0;
    virtual void unregisterClass(const RendererClass& rendererClass) = 0;

    // True when the display now runs width x height at bits per pixel.
    virtual bool switchDisplayMode(int32_t width, int32_t height, int32_t bits) = 0;
    virtual void restoreDisplayMode() = 0;
    virtual void showCursor(bool visible) = 0;

    virtual WindowHandle createWindow(const WindowRequest& request, WindowFrame frame) = 0;
    virtual DeviceContext getDeviceContext(WindowHandle window) = 0;
    // 0 when no pixel format fits.
    virtual int choosePixelFormat(DeviceContext dc, int32_t colourBits) = 0;
    virtual bool setPixelFormat(DeviceContext dc, int format, int32_t colourBits) = 0;
    virtual GlContext createGlContext(DeviceContext dc) = 0;
    // A null context releases the current one.
    virtual bool makeCurrent(DeviceContext dc, GlContext context) = 0;
    virtual void deleteGlContext(GlContext context) = 0;
    virtual void releaseDeviceContext(WindowHandle window, DeviceContext dc) = 0;
    // The window's owner no longer hears of its messages.
    virtual void destroyWindow(WindowHandle window) = 0;
    virtual void showWindow(WindowHandle window) = 0;
    virtual void resizeView(int32_t width, int32_t height) = 0;

    // The monitors' rectangles on the virtual screen, in the system's order.
    virtual std::vector<ScreenRect> listMonitors() = 0;
    // The rectangle of the monitor that shows most of the window.
    virtual ScreenRect monitorOf(WindowHandle window) = 0;
    // A black window without a mouse cursor over the area, topmost when
    // asked, shown without taking the focus from the renderer's window;
    // null on failure.
    virtual WindowHandle createCoverWindow(ModuleInstance instance, const ScreenRect& area,
                                           bool topmost) = 0;
    virtual void destroyCoverWindow(WindowHandle cover) = 0;

    // A monotonic clock with at least microsecond resolution; its zero is
    // arbitrary.
    virtual uint64_t clockMicroseconds() = 0;
    // Takes one message of the window's queue; any but the quit message is
    // dispatched to the window procedure.
    virtual TakenMessage takeMessage(WindowHandle window) = 0;
    // Blocks until a message arrives.
    virtual void waitMessage() = 0;
    // Blocks until a message arrives or the time is up, whichever is first.
    virtual void waitMessageOrTimeout(uint64_t timeoutMicroseconds) = 0;
    virtual void swapBuffers(DeviceContext dc) = 0;
};

} // namespace kestro

#pragma once
// X11Port over Xlib, GLX, the POSIX quit signals and the monotonic clock.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include "renderer/shell/gl_context_glx.h"
#include "renderer/shell/posix_quit_signals.h"
#include "renderer/shell/x11_port.h"

namespace kestro {

class XlibPort : public X11Port {
  public:
    XlibPort() = default;
    ~XlibPort() override;
    XlibPort(const XlibPort&) = delete;
    XlibPort& operator=(const XlibPort&) = delete;

    bool openDisplay(const std::string& displayName) override;
    X11WindowResult createOwnWindow(const WindowGeometry& geometry, bool fullScreen) override;
    X11WindowResult useGivenWindow(unsigned long windowId) override;
    X11WindowResult useRootWindow() override;
    bool createGlContext() override;
    void showWindow() override;
    void resizeView(int32_t width, int32_t height) override;
    uint64_t clockMicroseconds() override;
    bool takeEvent(X11Event& event) override;
    void waitForEvent(int64_t timeoutMicroseconds) override;
    bool quitSignalled() override;
    bool windowLost() override;
    void swapBuffers() override;
    void closeWindow() override;
    void closeDisplay() override;
    void reportFailure(const std::string& line) override;

  private:
    X11WindowResult useExistingWindow(Window window);
    X11Event translate(const XEvent& event) const;

    // Held back while drawing, for the whole life of the port.
    PosixQuitSignals quitSignals_;
    Display* display_ = nullptr;
    Window window_ = 0;
    bool ownWindow_ = false;
    Colormap colormap_ = 0;
    XVisualInfo* visual_ = nullptr;
    GlxContext context_;
    bool doubleBuffered_ = true;
    Atom deleteWindow_ = 0;
};

} // namespace kestro

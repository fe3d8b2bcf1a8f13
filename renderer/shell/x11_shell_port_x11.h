#pragma once
// X11ShellPort over Xlib, GLX, POSIX signals and the monotonic clock.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <GL/glx.h>

#include <signal.h>

#include "renderer/shell/x11_shell_port.h"

namespace kestro {

class XlibShellPort : public X11ShellPort {
  public:
    // Takes over SIGTERM and SIGINT: blocked except while waiting, so the
    // wait sees them at once and the drawing is never cut off half-way.
    XlibShellPort();
    ~XlibShellPort() override;
    XlibShellPort(const XlibShellPort&) = delete;
    XlibShellPort& operator=(const XlibShellPort&) = delete;

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
    void closeDisplay() override;
    void reportFailure(const std::string& line) override;

  private:
    X11WindowResult useExistingWindow(Window window);
    X11Event translate(const XEvent& event) const;

    Display* display_ = nullptr;
    Window window_ = 0;
    bool ownWindow_ = false;
    Colormap colormap_ = 0;
    XVisualInfo* visual_ = nullptr;
    GLXContext context_ = nullptr;
    bool doubleBuffered_ = true;
    Atom deleteWindow_ = 0;
    sigset_t waitMask_;
    sigset_t originalMask_;
    struct sigaction originalTerm_;
    struct sigaction originalInt_;
};

} // namespace kestro

#pragma once
// Everything the X11 backend asks of the X server, GLX and the process, one
// call per step of its behaviour. XlibPort answers it with Xlib and GLX;
// native tests use a recording fake. No X header is needed here.

#include <cstdint>
#include <string>

#include "renderer/shell/draw_target.h"

namespace kestro {

enum class X11WindowStatus {
    Ready,        // the window can be drawn on
    NoSuchWindow, // no window of that id on the display
    NoGlVisual,   // its visual (or, for a window of our own, every visual) has no OpenGL
};

struct X11WindowResult {
    X11WindowStatus status;
    int32_t width;
    int32_t height;
};

// What one event of the window meant to the backend.
enum class X11EventKind {
    Other,
    KeyDown,
    KeyUp,
    Resized,        // the window's new size
    Mapped,         // shown again
    Unmapped,       // hidden (iconified): nothing to draw
    CloseRequested, // the window manager's close
    Destroyed,      // the window is gone
};

struct X11Event {
    X11EventKind kind = X11EventKind::Other;
    // The key's symbol, unshifted, for key events.
    unsigned long keysym = 0;
    int32_t width = 0;
    int32_t height = 0;
};

class X11Port {
  public:
    virtual ~X11Port() = default;

    // Connects to the display of that name, or the one named by the
    // environment when the name is empty. False when there is none to be had.
    virtual bool openDisplay(const std::string& displayName) = 0;
    // A top-level window of our own with a double-buffered OpenGL visual,
    // not yet shown; the window manager is asked for full screen when asked.
    // Its keys, its structure and the window manager's close are heard.
    // The geometry's size is the window's; its position counts when placed.
    virtual X11WindowResult createOwnWindow(const WindowGeometry& geometry, bool fullScreen) = 0;
    // Someone else's window, or the screen's root window; only its
    // structure (size, mapping, destruction) is heard.
    virtual X11WindowResult useGivenWindow(unsigned long windowId) = 0;
    virtual X11WindowResult useRootWindow() = 0;
    // A context on the window's visual, made current. False on failure.
    virtual bool createGlContext() = 0;
    // Maps the window of our own.
    virtual void showWindow() = 0;
    // Viewport and the show's projection for this size.
    virtual void resizeView(int32_t width, int32_t height) = 0;

    // A monotonic clock in microseconds; its zero is arbitrary.
    virtual uint64_t clockMicroseconds() = 0;
    // Takes one event of the window, when one is waiting.
    virtual bool takeEvent(X11Event& event) = 0;
    // Blocks until an event arrives, a quit signal comes, or the time is
    // up; a negative time waits without limit.
    virtual void waitForEvent(int64_t timeoutMicroseconds) = 0;
    // True once SIGTERM or SIGINT has come.
    virtual bool quitSignalled() = 0;
    // True once an X error named the window as gone.
    virtual bool windowLost() = 0;
    virtual void swapBuffers() = 0;
    // Gives back the context and the window of our own, if any.
    virtual void closeWindow() = 0;
    // Gives back whatever is left, then the connection.
    virtual void closeDisplay() = 0;

    // One line on the standard error stream.
    virtual void reportFailure(const std::string& line) = 0;
};

} // namespace kestro

#pragma once
// What the shell core asks of a window system, whichever it is: one table
// of calls at one level, as each backend (Win32, X11, Wayland) answers it.
// The core owns the loop, the keys, the pace and the window's life; a
// backend only opens a place to draw, hands over what happened to it as
// small portable events, waits, presents and closes.

#include <cstdint>

namespace kestro {

enum class BackendEventKind {
    Key,              // a key went down or up; `key` is its virtual-key code
    Resized,          // the drawing place's new size
    Shown,            // visible again: steps run and pictures are drawn
    Hidden,           // minimised or unmapped: nothing is drawn
    CloseAsked,       // the user or the system asked the window to close
    Lost,             // the window, the display or the compositor went away,
                      // or a quit signal came
    ToggleScreenMode, // make the window anew in the other screen mode
};

struct BackendEvent {
    BackendEventKind kind = BackendEventKind::CloseAsked;
    int key = 0;          // Key: the key table's index, 0 .. KEY_COUNT - 1
    bool pressed = false; // Key: down (true) or up
    int32_t width = 0;    // Resized
    int32_t height = 0;
};

// What opening the drawing place gave. When it failed, everything made so
// far has been released and the failure reported as the system reports it;
// the run then ends with `exitStatus`.
struct OpenedPlace {
    bool ready = false;
    int32_t width = 0;
    int32_t height = 0;
    int exitStatus = 0;
};

class WindowBackend {
  public:
    virtual ~WindowBackend() = default;

    // What every window of the run needs (a connection, a window class).
    // 0 when ready; otherwise the run's exit status, the failure reported.
    virtual int start() = 0;
    // Gives back what start made; only after a start that succeeded.
    virtual void stop() = 0;

    // The drawing place with a current OpenGL context, shown. `fullScreen`
    // is the screen mode asked for; a system with one mode ignores it.
    virtual OpenedPlace open(bool fullScreen) = 0;
    // Releases what open made; only after an open that succeeded.
    virtual void close() = 0;

    // Takes one waiting event, after handling whatever the system had to
    // say; false when nothing waits.
    virtual bool takeEvent(BackendEvent& event) = 0;
    // Blocks until the system has something to say or the time is up,
    // whichever is first; a negative time waits without limit.
    virtual void waitEvent(int64_t timeoutMicroseconds) = 0;

    // Viewport and the show's projection for this size, on the current
    // context.
    virtual void resizeView(int32_t width, int32_t height) = 0;
    // Shows the picture just drawn.
    virtual void present() = 0;
    // A monotonic clock with at least microsecond resolution; its zero is
    // arbitrary.
    virtual uint64_t clockMicroseconds() = 0;
};

// A wait without limit, for waitEvent.
constexpr int64_t WAIT_WITHOUT_LIMIT = -1;

} // namespace kestro

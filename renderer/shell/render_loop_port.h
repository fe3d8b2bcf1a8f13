#pragma once
// What the paced render loop asks of the window system, whichever it is:
// the clock, the window's messages, the waits and the presenting of a
// picture. The Windows shell and the X11 shell each answer it for their one
// window; the tests answer it with recording fakes.

#include <cstdint>

namespace kestro {

// What taking one message from the window's queue did.
enum class TakenMessage { None, Quit, Dispatched };

class RenderLoopPort {
  public:
    virtual ~RenderLoopPort() = default;
    // A monotonic clock with at least microsecond resolution; its zero is
    // arbitrary.
    virtual uint64_t clockMicroseconds() = 0;
    // Takes one message of the window's queue and handles it; Quit when the
    // loop is to end.
    virtual TakenMessage takeMessage() = 0;
    // Blocks until a message arrives.
    virtual void waitMessage() = 0;
    // Blocks until a message arrives or the time is up, whichever is first.
    virtual void waitMessageOrTimeout(uint64_t timeoutMicroseconds) = 0;
    // Shows the picture just drawn.
    virtual void presentFrame() = 0;
};

} // namespace kestro

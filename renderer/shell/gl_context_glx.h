#pragma once
// The OpenGL context of an X window, through GLX: the visual it needs, the
// context made current on the window, the picture shown, and the context
// given back.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <GL/glx.h>

namespace kestro {

// A double-buffered RGBA visual with a depth buffer on the screen, for a
// window of our own; null when the display has none. XFree it.
XVisualInfo* chooseOwnWindowVisual(Display* display, int screen);

// True when OpenGL can draw on the visual (RGBA); `doubleBuffered` says
// whether pictures are swapped in or drawn in place.
bool visualHasGl(Display* display, XVisualInfo* visual, bool& doubleBuffered);

class GlxContext {
  public:
    // Direct rendering when the server allows it, else indirect; made
    // current on the window. False on failure, with nothing left made.
    bool create(Display* display, XVisualInfo* visual, Window window);
    void present(bool doubleBuffered) const;
    // Released from the thread and destroyed; nothing when none was made.
    void destroy();

  private:
    Display* display_ = nullptr;
    Window window_ = 0;
    GLXContext context_ = nullptr;
};

} // namespace kestro

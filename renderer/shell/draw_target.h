#pragma once
// Where the native module draws, as its command line and environment chose
// it: a window on an X display (its own, someone else's, or the root), or
// layer-shell surfaces on a Wayland compositor.

#include <cstdint>
#include <string>

namespace kestro {

enum class DrawPlace {
    OwnWindow,         // an X window of its own (1024 x 768, or full screen when asked)
    GivenWindow,       // an X window someone else made, named by its id
    RootWindow,        // the X screen's root window
    WaylandOverlay,    // Wayland: the overlay layer, keyboard taken, any input ends it
    WaylandBackground, // Wayland: the background layer, no keyboard, input ignored
};

// --geometry WxH+X+Y for a window of its own. A size of 0 keeps the
// default size; the position counts only when placed.
struct WindowGeometry {
    int32_t width = 0;
    int32_t height = 0;
    int32_t x = 0;
    int32_t y = 0;
    bool placed = false;
};

struct DrawTarget {
    DrawPlace place = DrawPlace::OwnWindow;
    unsigned long windowId = 0; // the given window's id
    bool fullScreen = false;    // own window: ask the window manager for full screen
    WindowGeometry geometry;    // own window only
    std::string displayName;    // the X display to open; empty: $DISPLAY
};

} // namespace kestro

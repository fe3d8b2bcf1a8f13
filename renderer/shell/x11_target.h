#pragma once
// Where the native X11 module draws, as its command line and environment
// chose it.

namespace kestro {

enum class X11TargetKind {
    OwnWindow,   // a window of its own (1024 x 768, or full screen when asked)
    GivenWindow, // a window someone else made, named by its id
    RootWindow,  // the screen's root window
};

struct X11Target {
    X11TargetKind kind = X11TargetKind::OwnWindow;
    unsigned long windowId = 0; // the given window's id
    bool fullScreen = false;    // own window: ask the window manager for full screen
};

} // namespace kestro

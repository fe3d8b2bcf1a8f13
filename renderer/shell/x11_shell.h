#pragma once
// The shell on X11 as a composition root uses it: where to draw, the name
// its messages carry, and the run. Xlib and GLX stay inside.

#include <memory>

#include "renderer/shell/draw_target.h"
#include "renderer/shell/shell_events.h"

namespace kestro {

class ShellCore;
class X11Backend;
class XlibPort;

class X11Shell {
  public:
    // programName prefixes every message written to stderr ("kestrovalinde:
    // cannot open display").
    X11Shell(const DrawTarget& target, const char* programName);
    ~X11Shell();
    X11Shell(const X11Shell&) = delete;
    X11Shell& operator=(const X11Shell&) = delete;

    // Runs the show until it is ended. 0 after a normal end (Escape or close
    // in its own window, SIGTERM/SIGINT, the window gone); 1 after a
    // failure, whose one-line message went to stderr.
    int run(ShellEvents& events);
    // Ends the run after the current pass; what the scene's Escape check
    // calls.
    void requestQuit();

  private:
    std::unique_ptr<XlibPort> port_;
    std::unique_ptr<X11Backend> backend_;
    std::unique_ptr<ShellCore> core_;
};

} // namespace kestro

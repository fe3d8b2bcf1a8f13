#pragma once
// The renderer's shell on X11 as a composition root uses it: where to draw
// in, the name its messages carry, and the run. Xlib and GLX stay inside.

#include <memory>

#include "renderer/shell/shell_events.h"
#include "renderer/shell/draw_target.h"

namespace kestro {

class X11Shell;
class XlibShellPort;

class X11RendererShell {
  public:
    // programName prefixes every message written to stderr ("kestrovalinde:
    // cannot open display").
    X11RendererShell(const DrawTarget& target, const char* programName);
    ~X11RendererShell();
    X11RendererShell(const X11RendererShell&) = delete;
    X11RendererShell& operator=(const X11RendererShell&) = delete;

    // Runs the show until it is ended. 0 after a normal end (Escape or close
    // in its own window, SIGTERM/SIGINT, the window gone); 1 after a
    // failure, whose one-line message went to stderr.
    int run(ShellEvents& events);
    // Ends the run after the current pass; what the scene's Escape check
    // calls.
    void requestQuit();

  private:
    std::unique_ptr<XlibShellPort> port_;
    std::unique_ptr<X11Shell> shell_;
};

} // namespace kestro

#pragma once
// The renderer's shell on Wayland as a composition root uses it: where to
// draw (the overlay or the background layer), the name its messages carry,
// and the run. The Wayland and EGL headers stay inside.

#include <memory>

#include "renderer/shell/draw_target.h"
#include "renderer/shell/shell_events.h"

namespace kestro {

class ShellCore;
class WaylandBackend;

class WaylandShell {
  public:
    // programName prefixes every message written to stderr ("kestrovalinde:
    // cannot connect to a Wayland compositor ...").
    WaylandShell(const DrawTarget& target, const char* programName);
    ~WaylandShell();
    WaylandShell(const WaylandShell&) = delete;
    WaylandShell& operator=(const WaylandShell&) = delete;

    // Runs the show until it is ended. 0 after a normal end (input on the
    // overlay layer, SIGTERM/SIGINT, the compositor gone); 1 after a
    // failure, whose one-line message went to stderr.
    int run(ShellEvents& events);
    // Ends the run after the current pass; what the scene's Escape check
    // calls.
    void requestQuit();

  private:
    std::unique_ptr<WaylandBackend> backend_;
    std::unique_ptr<ShellCore> core_;
};

} // namespace kestro

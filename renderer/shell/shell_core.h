#pragma once
// The renderer's shell, written once for every window system: the window's
// life (open, set the scene up, run the paced loop, close, and again while
// a screen-mode toggle asks for a new window), the keys with their taps,
// drawing on and off, size changes and quit. The system is reached only
// through a WindowBackend.

#include <cstdint>

#include "renderer/shell/key_taps.h"
#include "renderer/shell/shell_events.h"
#include "renderer/shell/step_pacer.h"
#include "renderer/shell/window_backend.h"

namespace kestro {

// The size the show is designed for: the Windows display mode, and the
// window of its own the module opens when no other size is asked.
constexpr int32_t SHOW_WIDTH = 1024;
constexpr int32_t SHOW_HEIGHT = 768;

class ShellCore {
  public:
    // `fullScreen`: the screen mode of the first window.
    ShellCore(WindowBackend& backend, bool fullScreen);
    ShellCore(const ShellCore&) = delete;
    ShellCore& operator=(const ShellCore&) = delete;

    // Until the show is ended: 0 after a normal end (the quit key, a close,
    // the window lost, a scene that would not set up), otherwise the
    // backend's status for a start or an open that failed.
    int run(ShellEvents& events);
    // Ends the run once the current pass of steps is over.
    void requestQuit() { quitRequested_ = true; }

    bool drawing() const { return drawing_; }
    bool fullScreenRequest() const { return fullScreenRequest_; }
    const KeyTable& keys() const { return keys_.table(); }

  private:
    // One window's life, from open to close; false when it could not open.
    bool runWindow(ShellEvents& events, int& exitStatus);
    void runLoop(ShellEvents& events);
    void handle(const BackendEvent& event);
    void applySize(int32_t width, int32_t height);

    WindowBackend& backend_;
    bool fullScreenRequest_;
    bool quitRequested_ = false;
    bool reopenRequested_ = false;
    // False while hidden: no steps run, the loop only waits.
    bool drawing_ = false;
    int32_t width_ = 0;
    int32_t height_ = 0;
    KeyTaps keys_;
    StepPacer pacer_;
};

} // namespace kestro

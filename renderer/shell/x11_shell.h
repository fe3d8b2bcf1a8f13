#pragma once
// The renderer's shell on X11: where it draws, what it does with the
// window's events, the quit signals and a window that goes away, and the run
// that drives its owner's scene through the paced loop both shells share.
// Portable: the X server is reached only through the X11ShellPort, so the
// decisions can be tested without a display.

#include <bitset>
#include <cstdint>

#include "renderer/shell/key_table.h"
#include "renderer/shell/render_loop_port.h"
#include "renderer/shell/shell_events.h"
#include "renderer/shell/step_pacer.h"
#include "renderer/shell/x11_shell_port.h"
#include "renderer/shell/draw_target.h"

namespace kestro {

constexpr int32_t X11_OWN_WINDOW_WIDTH = 1024;
constexpr int32_t X11_OWN_WINDOW_HEIGHT = 768;
constexpr int X11_EXIT_FAILURE = 1;

// The key table's index (a Windows virtual-key code) of an X key symbol,
// or -1 for a key the table does not hold.
int virtualKeyOf(unsigned long keysym);

class X11Shell : private RenderLoopPort {
  public:
    // programName prefixes every failure line.
    X11Shell(X11ShellPort& port, const DrawTarget& target, const char* programName);
    X11Shell(const X11Shell&) = delete;
    X11Shell& operator=(const X11Shell&) = delete;

    // 0 after a normal end (the quit key or close in its own window, a quit
    // signal, the window gone, a scene that would not set up); 1 after a
    // failure, reported in one line.
    int run(ShellEvents& events);
    // Ends the run after the current pass.
    void requestQuit() { quitRequested_ = true; }

    bool drawing() const { return drawing_; }
    const KeyTable& keys() const { return keyTable_; }

  private:
    // The paced loop's calls, answered for this window.
    uint64_t clockMicroseconds() override;
    TakenMessage takeMessage() override;
    void waitMessage() override;
    void waitMessageOrTimeout(uint64_t timeoutMicroseconds) override;
    void presentFrame() override;

    X11WindowResult openWindow();
    int fail(const std::string& reason);
    void handleEvent(const X11Event& event);
    void resize(int32_t width, int32_t height);
    void pressKey(int key);
    void releaseKey(int key);

    X11ShellPort& port_;
    DrawTarget target_;
    const char* programName_;
    KeyTable keyTable_{};
    // A tap (press and release between two passes, as synthetic and
    // quick key strokes come) still reaches one pass of steps: the release
    // of a key no step has seen held waits until the pass after its press.
    std::bitset<KEY_COUNT> pressUnseen_;
    std::bitset<KEY_COUNT> releaseWaiting_;
    StepPacer pacer_;
    int32_t width_ = 0;
    int32_t height_ = 0;
    bool drawing_ = false;
    bool quitRequested_ = false;
};

} // namespace kestro

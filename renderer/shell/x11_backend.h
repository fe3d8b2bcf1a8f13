#pragma once
// The shell core's backend on X11: where it draws (a window of its own,
// someone else's, or the root), what the window's events mean, the quit
// signals and a window that goes away. Portable: the X server is reached
// only through the X11Port, so the decisions can be tested without a
// display.

#include <string>

#include "renderer/shell/draw_target.h"
#include "renderer/shell/window_backend.h"
#include "renderer/shell/x11_port.h"

namespace kestro {

constexpr int X11_EXIT_FAILURE = 1;

// The key table's index (a Windows virtual-key code) of an X key symbol,
// or -1 for a key the table does not hold.
int virtualKeyOf(unsigned long keysym);

class X11Backend : public WindowBackend {
  public:
    // programName prefixes every failure line.
    X11Backend(X11Port& port, const DrawTarget& target, const char* programName);

    int start() override;
    void stop() override;
    OpenedPlace open(bool fullScreen) override;
    void close() override;
    bool takeEvent(BackendEvent& event) override;
    void waitEvent(int64_t timeoutMicroseconds) override;
    void resizeView(int32_t width, int32_t height) override;
    void present() override;
    uint64_t clockMicroseconds() override;

  private:
    X11WindowResult openWindow(bool fullScreen);
    OpenedPlace fail(const std::string& reason);
    // False for an event that means nothing to the core.
    static bool translate(const X11Event& event, BackendEvent& translated);

    X11Port& port_;
    DrawTarget target_;
    const char* programName_;
};

} // namespace kestro

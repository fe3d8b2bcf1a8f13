#pragma once
// The shell core's window system on Wayland: layer-shell surfaces on every
// output of the compositor, the show drawn with desktop OpenGL through EGL
// on the first, black on the others. On the overlay layer it takes the
// keyboard and any input ends it; on the background layer input is left
// to the windows. SIGTERM and SIGINT end it at once, whatever it waits
// for; a compositor that goes away ends it too, as a normal end.

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "renderer/shell/gl_context_egl.h"
#include "renderer/shell/overlay_input.h"
#include "renderer/shell/posix_quit_signals.h"
#include "renderer/shell/wayland_connection.h"
#include "renderer/shell/wayland_layer_surface.h"
#include "renderer/shell/wayland_outputs.h"
#include "renderer/shell/wayland_seat.h"
#include "renderer/shell/window_backend.h"

namespace kestro {

class WaylandLayerSurfaces;

constexpr int WAYLAND_EXIT_FAILURE = 1;

class WaylandBackend final : public WindowBackend {
  public:
    // programName prefixes every failure line.
    WaylandBackend(LayerPlace place, const char* programName);
    ~WaylandBackend() override;

    int start() override;
    void stop() override;
    OpenedPlace open(bool fullScreen) override;
    void close() override;
    bool takeEvent(BackendEvent& event) override;
    void waitEvent(int64_t timeoutMicroseconds) override;
    void resizeView(int32_t width, int32_t height) override;
    void present() override;
    uint64_t clockMicroseconds() override;

    // True once the compositor refused a request during the run (reported
    // in one line): the run then ends as a failure.
    bool failed() const { return failed_; }

  private:
    // Dispatches, then brings the surfaces in line; false when the
    // connection broke or EGL could not draw (reported).
    bool dispatch(int64_t timeoutMicroseconds);
    void connectionBroke();
    int fail(const std::string& what);

    LayerPlace place_;
    const char* programName_;
    PosixQuitSignals signals_;
    // In the order they are made; each goes before what it uses.
    std::deque<BackendEvent> events_;
    OverlayInput input_{events_};
    WaylandSeat seat_{input_};
    WaylandOutputs outputs_;
    WaylandConnection connection_{outputs_};
    EglContext gl_;
    std::unique_ptr<WaylandLayerSurfaces> surfaces_;
    bool lost_ = false;
    bool lostAnnounced_ = false;
    bool failed_ = false;
};

} // namespace kestro

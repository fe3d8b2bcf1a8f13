#pragma once
// The connection to the Wayland compositor and the globals the show uses:
// the compositor, the layer shell, shared memory for the black covers; the
// outputs, as they come and go, go to WaylandOutputs, and the first seat,
// when input is wanted, to WaylandSeat. Reading and handling what the compositor sends
// waits through PosixQuitSignals, so a quit signal ends any wait at once.

#include <cstdint>
#include <string>

struct wl_compositor;
struct wl_display;
struct wl_registry;
struct wl_seat;
struct wl_shm;
struct zwlr_layer_shell_v1;

namespace kestro {

class PosixQuitSignals;
class WaylandOutputs;
class WaylandSeat;

enum class WaylandConnectStatus {
    Ready,
    NoCompositor,       // no compositor answered at WAYLAND_DISPLAY
    NoCompositorGlobal, // it offers no wl_compositor
    NoSharedMemory,     // it offers no wl_shm
    NoLayerShell,       // it offers no zwlr_layer_shell_v1
    Broken,             // it went away or refused a request while starting
};

class WaylandConnection {
  public:
    explicit WaylandConnection(WaylandOutputs& outputs) : outputs_(outputs) {}
    ~WaylandConnection();
    WaylandConnection(const WaylandConnection&) = delete;
    WaylandConnection& operator=(const WaylandConnection&) = delete;

    // Connects and binds the globals; the seat only when one takes it.
    WaylandConnectStatus connect(WaylandSeat* seat);
    void disconnect();

    // Sends what was asked, reads what the compositor sent, waiting for it
    // up to the time given (0: not at all; negative: without limit) or until
    // a quit signal, and handles it. False once the connection is broken.
    bool dispatch(const PosixQuitSignals& signals, int64_t timeoutMicroseconds);
    // Empty while the connection holds or after the compositor merely went
    // away; otherwise what the compositor refused.
    std::string protocolError() const;

    wl_display* display() const { return display_; }
    wl_compositor* compositor() const { return compositor_; }
    wl_shm* shm() const { return shm_; }
    zwlr_layer_shell_v1* layerShell() const { return layerShell_; }

  private:
    static void onGlobal(void* data, wl_registry* registry, uint32_t name, const char* interface,
                         uint32_t version);
    static void onGlobalRemove(void* data, wl_registry* registry, uint32_t name);

    WaylandOutputs& outputs_;
    WaylandSeat* seat_ = nullptr;
    bool seatBound_ = false;
    bool broken_ = false;
    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    wl_compositor* compositor_ = nullptr;
    wl_shm* shm_ = nullptr;
    zwlr_layer_shell_v1* layerShell_ = nullptr;
    uint32_t layerShellVersion_ = 0;
};

} // namespace kestro

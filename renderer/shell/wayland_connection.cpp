#include "renderer/shell/wayland_connection.h"

#include <errno.h>
#include <poll.h>

#include <algorithm>
#include <cstdarg>
#include <cstring>

#include <wayland-client.h>

#include "renderer/shell/posix_quit_signals.h"
#include "renderer/shell/wayland_layer_shell_protocol.h"
#include "renderer/shell/wayland_outputs.h"
#include "renderer/shell/wayland_seat.h"

namespace kestro {

namespace {

// The newest version of each global whose events this client handles.
constexpr uint32_t COMPOSITOR_VERSION = 4;
constexpr uint32_t SHM_VERSION = 1;
constexpr uint32_t SEAT_VERSION = 5;
constexpr uint32_t OUTPUT_VERSION = 3;
constexpr uint32_t LAYER_SHELL_VERSION = 4;
// zwlr_layer_shell_v1.destroy came with version 3.
constexpr uint32_t LAYER_SHELL_DESTROY_VERSION = 3;

// libwayland's own complaints (no runtime folder, a connection broken)
// would stand beside the one line the program writes for the same failure.
void leaveLibraryMessages(const char*, va_list) {}

template <typename Proxy>
Proxy* bindGlobal(wl_registry* registry, uint32_t name, const wl_interface* interface,
                  uint32_t offered, uint32_t handled) {
    return static_cast<Proxy*>(
        wl_registry_bind(registry, name, interface, std::min(offered, handled)));
}

} // namespace

WaylandConnection::~WaylandConnection() {
    disconnect();
}

WaylandConnectStatus WaylandConnection::connect(WaylandSeat* seat) {
    seat_ = seat;
    seatBound_ = false;
    wl_log_set_handler_client(leaveLibraryMessages);
    display_ = wl_display_connect(nullptr);
    if (display_ == nullptr)
        return WaylandConnectStatus::NoCompositor;
    static const wl_registry_listener listener = {onGlobal, onGlobalRemove};
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &listener, this);
    // The globals, then the events binding them brought (the outputs').
    if (wl_display_roundtrip(display_) < 0 || wl_display_roundtrip(display_) < 0)
        return WaylandConnectStatus::Broken;
    if (compositor_ == nullptr)
        return WaylandConnectStatus::NoCompositorGlobal;
    if (shm_ == nullptr)
        return WaylandConnectStatus::NoSharedMemory;
    if (layerShell_ == nullptr)
        return WaylandConnectStatus::NoLayerShell;
    return WaylandConnectStatus::Ready;
}

void WaylandConnection::onGlobal(void* data, wl_registry* registry, uint32_t name,
                                 const char* interface, uint32_t version) {
    auto* self = static_cast<WaylandConnection*>(data);
    if (std::strcmp(interface, wl_compositor_interface.name) == 0 && self->compositor_ == nullptr) {
        self->compositor_ = bindGlobal<wl_compositor>(registry, name, &wl_compositor_interface,
                                                      version, COMPOSITOR_VERSION);
    } else if (std::strcmp(interface, wl_shm_interface.name) == 0 && self->shm_ == nullptr) {
        self->shm_ = bindGlobal<wl_shm>(registry, name, &wl_shm_interface, version, SHM_VERSION);
    } else if (std::strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0 &&
               self->layerShell_ == nullptr) {
        self->layerShellVersion_ = std::min(version, LAYER_SHELL_VERSION);
        self->layerShell_ = bindGlobal<zwlr_layer_shell_v1>(
            registry, name, &zwlr_layer_shell_v1_interface, version, LAYER_SHELL_VERSION);
    } else if (std::strcmp(interface, wl_seat_interface.name) == 0 && self->seat_ != nullptr &&
               !self->seatBound_) {
        // Handed over at once: what the seat offers comes right after.
        self->seatBound_ = true;
        self->seat_->attach(
            bindGlobal<wl_seat>(registry, name, &wl_seat_interface, version, SEAT_VERSION),
            std::min(version, SEAT_VERSION));
    } else if (std::strcmp(interface, wl_output_interface.name) == 0) {
        self->outputs_.add(
            name,
            bindGlobal<wl_output>(registry, name, &wl_output_interface, version, OUTPUT_VERSION),
            std::min(version, OUTPUT_VERSION));
    }
}

void WaylandConnection::onGlobalRemove(void* data, wl_registry*, uint32_t name) {
    auto* self = static_cast<WaylandConnection*>(data);
    // A seat that goes leaves its keyboard and pointer to their own end;
    // the show keeps running without input.
    self->outputs_.remove(name);
}

bool WaylandConnection::dispatch(const PosixQuitSignals& signals, int64_t timeoutMicroseconds) {
    if (broken_ || display_ == nullptr)
        return false;
    // Events already read are handled first, and then nothing is waited for:
    // they may be what the caller waits to hear.
    while (wl_display_prepare_read(display_) != 0) {
        if (wl_display_dispatch_pending(display_) < 0) {
            broken_ = true;
            return false;
        }
        timeoutMicroseconds = 0;
    }
    pollfd connection = {wl_display_get_fd(display_), POLLIN, 0};
    if (wl_display_flush(display_) < 0) {
        if (errno != EAGAIN) {
            wl_display_cancel_read(display_);
            broken_ = true;
            return false;
        }
        // The socket is full: wait until it takes more, too.
        connection.events |= POLLOUT;
    }
    signals.waitReadable(&connection, 1, timeoutMicroseconds);
    if ((connection.revents & (POLLIN | POLLERR | POLLHUP)) != 0) {
        if (wl_display_read_events(display_) < 0) {
            broken_ = true;
            return false;
        }
    } else {
        wl_display_cancel_read(display_);
    }
    if (wl_display_dispatch_pending(display_) < 0) {
        broken_ = true;
        return false;
    }
    return true;
}

std::string WaylandConnection::protocolError() const {
    if (display_ == nullptr || wl_display_get_error(display_) != EPROTO)
        return {};
    const wl_interface* interface = nullptr;
    uint32_t objectId = 0;
    const uint32_t code = wl_display_get_protocol_error(display_, &interface, &objectId);
    return std::string(interface != nullptr ? interface->name : "an object") + " error " +
           std::to_string(code);
}

void WaylandConnection::disconnect() {
    if (display_ == nullptr)
        return;
    outputs_.clear();
    if (seat_ != nullptr)
        seat_->release();
    if (layerShell_ != nullptr) {
        if (layerShellVersion_ >= LAYER_SHELL_DESTROY_VERSION)
            zwlr_layer_shell_v1_destroy(layerShell_);
        else
            wl_proxy_destroy(reinterpret_cast<wl_proxy*>(layerShell_));
    }
    if (shm_ != nullptr)
        wl_shm_destroy(shm_);
    if (compositor_ != nullptr)
        wl_compositor_destroy(compositor_);
    if (registry_ != nullptr)
        wl_registry_destroy(registry_);
    wl_display_flush(display_);
    wl_display_disconnect(display_);
    display_ = nullptr;
    registry_ = nullptr;
    compositor_ = nullptr;
    shm_ = nullptr;
    seat_ = nullptr;
    seatBound_ = false;
    layerShell_ = nullptr;
    broken_ = false;
}

} // namespace kestro

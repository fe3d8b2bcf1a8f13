#include "renderer/shell/wayland_backend.h"

#include <cstdio>
#include <cstdlib>

#include "renderer/shell/view_projection.h"
#include "renderer/shell/wayland_layer_surfaces.h"

namespace kestro {

namespace {

constexpr char WAYLAND_DISPLAY_VARIABLE_NAME[] = "WAYLAND_DISPLAY";
constexpr char RUNTIME_FOLDER_VARIABLE_NAME[] = "XDG_RUNTIME_DIR";

bool isSet(const char* value) {
    return value != nullptr && *value != '\0';
}

std::string whereTheCompositorWasSought() {
    // The compositor's socket lies in the runtime folder.
    if (!isSet(std::getenv(RUNTIME_FOLDER_VARIABLE_NAME)))
        return std::string(" (") + RUNTIME_FOLDER_VARIABLE_NAME + " is not set)";
    const char* named = std::getenv(WAYLAND_DISPLAY_VARIABLE_NAME);
    if (!isSet(named))
        return std::string(" (") + WAYLAND_DISPLAY_VARIABLE_NAME + " is not set)";
    return std::string(" at ") + WAYLAND_DISPLAY_VARIABLE_NAME + "=" + named;
}

} // namespace

WaylandBackend::WaylandBackend(LayerPlace place, const char* programName)
    : place_(place), programName_(programName) {}

WaylandBackend::~WaylandBackend() {
    surfaces_.reset();
    gl_.stop();
    connection_.disconnect();
}

int WaylandBackend::start() {
    const bool wantsInput = place_ == LayerPlace::Overlay;
    switch (connection_.connect(wantsInput ? &seat_ : nullptr)) {
    case WaylandConnectStatus::Ready:
        break;
    case WaylandConnectStatus::NoCompositor:
        return fail("cannot connect to a Wayland compositor" + whereTheCompositorWasSought());
    case WaylandConnectStatus::NoCompositorGlobal:
        return fail("the Wayland compositor has no wl_compositor");
    case WaylandConnectStatus::NoSharedMemory:
        return fail("the Wayland compositor has no shared memory (wl_shm)");
    case WaylandConnectStatus::NoLayerShell:
        return fail("the Wayland compositor has no layer shell (zwlr_layer_shell_v1)");
    case WaylandConnectStatus::Broken: {
        const std::string refused = connection_.protocolError();
        if (refused.empty())
            return fail("the Wayland compositor went away while starting");
        return fail("the Wayland compositor refused a request (" + refused + ")");
    }
    }
    std::string missing;
    if (!gl_.start(connection_.display(), missing))
        return fail(missing);
    lost_ = false;
    lostAnnounced_ = false;
    return 0;
}

void WaylandBackend::stop() {
    gl_.stop();
    connection_.disconnect();
}

// One screen mode only: the surfaces always cover their outputs.
OpenedPlace WaylandBackend::open(bool) {
    surfaces_ = std::make_unique<WaylandLayerSurfaces>(connection_, outputs_, gl_, place_, events_);
    // Until the compositor has given the show's surface its size (an output
    // may have to come first), nothing can be drawn: the wait ends only for
    // that, a quit signal or a lost compositor.
    for (;;) {
        if (!surfaces_->update()) {
            surfaces_.reset();
            return {false, 0, 0, fail("EGL cannot draw on the Wayland surface")};
        }
        if (surfaces_->showReady())
            break;
        if (signals_.signalled() || !connection_.dispatch(signals_, WAIT_WITHOUT_LIMIT) ||
            signals_.signalled()) {
            const std::string refused = connection_.protocolError();
            surfaces_.reset();
            if (!refused.empty())
                return {false, 0, 0,
                        fail("the Wayland compositor refused a request (" + refused + ")")};
            return {false, 0, 0, 0};
        }
    }
    surfaces_->announce();
    return {true, surfaces_->showWidth(), surfaces_->showHeight(), 0};
}

void WaylandBackend::close() {
    surfaces_.reset();
    // What the compositor is still to hear of the surfaces' end.
    if (!lost_)
        connection_.dispatch(signals_, 0);
}

bool WaylandBackend::takeEvent(BackendEvent& event) {
    if (events_.empty() && !lost_) {
        if (signals_.signalled())
            lost_ = true;
        else if (!dispatch(0))
            connectionBroke();
    }
    if (!events_.empty()) {
        event = events_.front();
        events_.pop_front();
        return true;
    }
    if (lost_ && !lostAnnounced_) {
        lostAnnounced_ = true;
        event = BackendEvent{};
        event.kind = BackendEventKind::Lost;
        return true;
    }
    return false;
}

void WaylandBackend::waitEvent(int64_t timeoutMicroseconds) {
    if (!events_.empty() || lost_)
        return;
    if (!dispatch(timeoutMicroseconds))
        connectionBroke();
    if (signals_.signalled())
        lost_ = true;
}

bool WaylandBackend::dispatch(int64_t timeoutMicroseconds) {
    if (!connection_.dispatch(signals_, timeoutMicroseconds))
        return false;
    if (surfaces_ != nullptr && !surfaces_->update()) {
        failed_ = true;
        fail("EGL cannot draw on the Wayland surface");
        return false;
    }
    return true;
}

// A compositor that went away ends the show as a normal end; one that
// refused a request ends it as a failure, named.
void WaylandBackend::connectionBroke() {
    lost_ = true;
    const std::string refused = connection_.protocolError();
    if (!refused.empty()) {
        failed_ = true;
        fail("the Wayland compositor refused a request (" + refused + ")");
    }
}

void WaylandBackend::resizeView(int32_t width, int32_t height) {
    kestro::resizeView(width, height);
}

void WaylandBackend::present() {
    gl_.swap();
}

uint64_t WaylandBackend::clockMicroseconds() {
    return monotonicMicroseconds();
}

int WaylandBackend::fail(const std::string& what) {
    std::fprintf(stderr, "%s: %s\n", programName_, what.c_str());
    return WAYLAND_EXIT_FAILURE;
}

} // namespace kestro

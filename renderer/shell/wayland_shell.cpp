#include "renderer/shell/wayland_shell.h"

#include "renderer/shell/shell_core.h"
#include "renderer/shell/wayland_backend.h"

namespace kestro {

namespace {

LayerPlace layerOf(const DrawTarget& target) {
    return target.place == DrawPlace::WaylandBackground ? LayerPlace::Background
                                                        : LayerPlace::Overlay;
}

} // namespace

WaylandShell::WaylandShell(const DrawTarget& target, const char* programName)
    : backend_(std::make_unique<WaylandBackend>(layerOf(target), programName)),
      core_(std::make_unique<ShellCore>(*backend_, true)) {}

// The core goes before the backend it uses.
WaylandShell::~WaylandShell() {
    core_.reset();
}

int WaylandShell::run(ShellEvents& events) {
    const int status = core_->run(events);
    return backend_->failed() ? WAYLAND_EXIT_FAILURE : status;
}

void WaylandShell::requestQuit() {
    core_->requestQuit();
}

} // namespace kestro

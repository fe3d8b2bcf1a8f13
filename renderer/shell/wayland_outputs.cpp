#include "renderer/shell/wayland_outputs.h"

#include <wayland-client.h>

namespace kestro {

namespace {
// wl_output.release came with version 3; older outputs are only forgotten.
constexpr uint32_t OUTPUT_RELEASE_VERSION = 3;
} // namespace

WaylandOutputs::~WaylandOutputs() {
    clear();
}

void WaylandOutputs::add(uint32_t name, wl_output* output, uint32_t version) {
    remove(name);
    bound_[name] = Bound{output, version};
    roster_.add(name);
}

void WaylandOutputs::remove(uint32_t name) {
    const auto found = bound_.find(name);
    if (found == bound_.end())
        return;
    release(found->second);
    bound_.erase(found);
    roster_.drop(name);
}

void WaylandOutputs::clear() {
    for (const auto& entry : bound_)
        release(entry.second);
    bound_.clear();
    roster_.clear();
}

wl_output* WaylandOutputs::output(uint32_t name) const {
    const auto found = bound_.find(name);
    return found == bound_.end() ? nullptr : found->second.output;
}

void WaylandOutputs::release(const Bound& bound) {
    if (bound.version >= OUTPUT_RELEASE_VERSION)
        wl_output_release(bound.output);
    else
        wl_output_destroy(bound.output);
}

} // namespace kestro

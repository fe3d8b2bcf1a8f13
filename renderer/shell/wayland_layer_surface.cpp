#include "renderer/shell/wayland_layer_surface.h"

#include <wayland-client.h>

#include "renderer/shell/shell_core.h"
#include "renderer/shell/wayland_layer_shell_protocol.h"

namespace kestro {

namespace {

// The name compositors show for the surfaces and match their rules on.
constexpr char SURFACE_NAMESPACE[] = "kestrovalinde";
constexpr uint32_t EVERY_EDGE =
    ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
    ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT;
// Over panels and docks too, rather than in the space they leave.
constexpr int32_t IGNORE_EXCLUSIVE_ZONES = -1;
// Anchored to every edge, a size of 0 asks for the output's.
constexpr uint32_t OUTPUT_SIZE = 0;

} // namespace

WaylandLayerSurface::WaylandLayerSurface(wl_compositor* compositor, zwlr_layer_shell_v1* shell,
                                         wl_output* output, LayerPlace place) {
    static const zwlr_layer_surface_v1_listener listener = {onConfigure, onClosed};
    surface_ = wl_compositor_create_surface(compositor);
    const uint32_t layer = place == LayerPlace::Overlay ? ZWLR_LAYER_SHELL_V1_LAYER_OVERLAY
                                                        : ZWLR_LAYER_SHELL_V1_LAYER_BACKGROUND;
    layer_ =
        zwlr_layer_shell_v1_get_layer_surface(shell, surface_, output, layer, SURFACE_NAMESPACE);
    zwlr_layer_surface_v1_add_listener(layer_, &listener, this);
    zwlr_layer_surface_v1_set_anchor(layer_, EVERY_EDGE);
    zwlr_layer_surface_v1_set_size(layer_, OUTPUT_SIZE, OUTPUT_SIZE);
    zwlr_layer_surface_v1_set_exclusive_zone(layer_, IGNORE_EXCLUSIVE_ZONES);
    zwlr_layer_surface_v1_set_keyboard_interactivity(
        layer_, place == LayerPlace::Overlay
                    ? ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_EXCLUSIVE
                    : ZWLR_LAYER_SURFACE_V1_KEYBOARD_INTERACTIVITY_NONE);
    // Committed without a buffer: the compositor answers with a configure.
    wl_surface_commit(surface_);
}

WaylandLayerSurface::~WaylandLayerSurface() {
    zwlr_layer_surface_v1_destroy(layer_);
    wl_surface_destroy(surface_);
}

bool WaylandLayerSurface::takeResize() {
    const bool resized = resized_;
    resized_ = false;
    return resized;
}

void WaylandLayerSurface::onConfigure(void* data, zwlr_layer_surface_v1* layer, uint32_t serial,
                                      uint32_t width, uint32_t height) {
    auto* self = static_cast<WaylandLayerSurface*>(data);
    zwlr_layer_surface_v1_ack_configure(layer, serial);
    // A compositor that leaves the size to the client gets the show's own.
    const int32_t newWidth = width > 0 ? static_cast<int32_t>(width) : SHOW_WIDTH;
    const int32_t newHeight = height > 0 ? static_cast<int32_t>(height) : SHOW_HEIGHT;
    if (!self->configured_ || newWidth != self->width_ || newHeight != self->height_)
        self->resized_ = true;
    self->configured_ = true;
    self->width_ = newWidth;
    self->height_ = newHeight;
}

void WaylandLayerSurface::onClosed(void* data, zwlr_layer_surface_v1*) {
    static_cast<WaylandLayerSurface*>(data)->closed_ = true;
}

} // namespace kestro

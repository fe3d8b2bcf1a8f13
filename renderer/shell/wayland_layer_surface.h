#pragma once
// One layer-shell surface over a whole output: anchored to every edge,
// pushing nothing aside (exclusive zone -1), on the overlay layer with the
// keyboard taken, or on the background layer without it. What the
// compositor says of it (its size, that it was closed) is kept for its
// owner to read after each dispatch; every size is acknowledged at once.

#include <cstdint>

struct wl_compositor;
struct wl_output;
struct wl_surface;
struct zwlr_layer_shell_v1;
struct zwlr_layer_surface_v1;

namespace kestro {

enum class LayerPlace {
    Overlay,    // above every window, the keyboard taken
    Background, // below every window, no keyboard
};

class WaylandLayerSurface {
  public:
    // Asks for the surface; its first size comes with a configure.
    WaylandLayerSurface(wl_compositor* compositor, zwlr_layer_shell_v1* shell, wl_output* output,
                        LayerPlace place);
    ~WaylandLayerSurface();
    WaylandLayerSurface(const WaylandLayerSurface&) = delete;
    WaylandLayerSurface& operator=(const WaylandLayerSurface&) = delete;

    wl_surface* surface() const { return surface_; }
    bool configured() const { return configured_; }
    bool closed() const { return closed_; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    // True once after each configure that changed the size.
    bool takeResize();

  private:
    static void onConfigure(void* data, zwlr_layer_surface_v1* layer, uint32_t serial,
                            uint32_t width, uint32_t height);
    static void onClosed(void* data, zwlr_layer_surface_v1* layer);

    wl_surface* surface_ = nullptr;
    zwlr_layer_surface_v1* layer_ = nullptr;
    bool configured_ = false;
    bool closed_ = false;
    bool resized_ = false;
    int32_t width_ = 0;
    int32_t height_ = 0;
};

} // namespace kestro

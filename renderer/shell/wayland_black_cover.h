#pragma once
// A black layer surface over an output that does not hold the show: one
// buffer of shared memory, all zeros, the output's size, attached again
// whenever the size changes. Nothing is drawn into it after that.

#include <cstdint>

#include "renderer/shell/wayland_layer_surface.h"

struct wl_buffer;
struct wl_shm;

namespace kestro {

class WaylandBlackCover {
  public:
    WaylandBlackCover(wl_compositor* compositor, zwlr_layer_shell_v1* shell, wl_shm* shm,
                      wl_output* output, LayerPlace place);
    ~WaylandBlackCover();
    WaylandBlackCover(const WaylandBlackCover&) = delete;
    WaylandBlackCover& operator=(const WaylandBlackCover&) = delete;

    // After each dispatch: a new size gets a new buffer.
    void update();
    bool closed() const { return layer_.closed(); }

  private:
    void releaseBuffer();

    WaylandLayerSurface layer_;
    wl_shm* shm_;
    wl_buffer* buffer_ = nullptr;
};

} // namespace kestro

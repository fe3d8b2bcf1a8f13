#include "renderer/shell/wayland_black_cover.h"

#include <sys/mman.h>
#include <unistd.h>

#include <wayland-client.h>

namespace kestro {

namespace {

constexpr int32_t BYTES_PER_PIXEL = 4;

// A black buffer of that size, or none when the memory cannot be had (the
// output then stays uncovered, which harms nothing else). Fresh memory of
// a memfd is zeros, which XRGB8888 reads as black.
wl_buffer* blackBuffer(wl_shm* shm, int32_t width, int32_t height) {
    const int32_t stride = width * BYTES_PER_PIXEL;
    const int32_t size = stride * height;
    const int memory = memfd_create("kestrovalinde-cover", MFD_CLOEXEC);
    if (memory < 0)
        return nullptr;
    wl_buffer* buffer = nullptr;
    if (ftruncate(memory, size) == 0) {
        wl_shm_pool* pool = wl_shm_create_pool(shm, memory, size);
        buffer = wl_shm_pool_create_buffer(pool, 0, width, height, stride, WL_SHM_FORMAT_XRGB8888);
        wl_shm_pool_destroy(pool);
    }
    close(memory);
    return buffer;
}

} // namespace

WaylandBlackCover::WaylandBlackCover(wl_compositor* compositor, zwlr_layer_shell_v1* shell,
                                     wl_shm* shm, wl_output* output, LayerPlace place)
    : layer_(compositor, shell, output, place), shm_(shm) {}

WaylandBlackCover::~WaylandBlackCover() {
    releaseBuffer();
}

void WaylandBlackCover::update() {
    if (layer_.closed() || !layer_.takeResize())
        return;
    wl_buffer* buffer = blackBuffer(shm_, layer_.width(), layer_.height());
    if (buffer == nullptr)
        return;
    wl_surface* surface = layer_.surface();
    wl_surface_attach(surface, buffer, 0, 0);
    wl_surface_damage(surface, 0, 0, layer_.width(), layer_.height());
    wl_surface_commit(surface);
    // The old buffer goes once the new one has replaced it.
    releaseBuffer();
    buffer_ = buffer;
}

void WaylandBlackCover::releaseBuffer() {
    if (buffer_ != nullptr)
        wl_buffer_destroy(buffer_);
    buffer_ = nullptr;
}

} // namespace kestro

#pragma once
// The show's surfaces, one per output: the show's own, drawn through EGL,
// on the output that holds it, a black cover on every other. Brought in
// line with the outputs after each dispatch: an output that comes gets a
// cover, one that goes (or whose surface the compositor closes) loses its
// surface, and when it held the show, the show moves to the first output
// left. Once announcing, the moves reach the shell core as events: Hidden
// while the show has no surface, Resized and Shown when it has one again.

#include <cstdint>
#include <deque>
#include <map>
#include <memory>

#include "renderer/shell/wayland_black_cover.h"
#include "renderer/shell/window_backend.h"

namespace kestro {

class EglContext;
class WaylandConnection;
class WaylandOutputs;

class WaylandLayerSurfaces {
  public:
    WaylandLayerSurfaces(WaylandConnection& connection, WaylandOutputs& outputs, EglContext& gl,
                         LayerPlace place, std::deque<BackendEvent>& events);
    ~WaylandLayerSurfaces();
    WaylandLayerSurfaces(const WaylandLayerSurfaces&) = delete;
    WaylandLayerSurfaces& operator=(const WaylandLayerSurfaces&) = delete;

    // False when the show's surface was configured but EGL could not draw
    // on it.
    bool update();
    // From now on the show's moves and sizes are events.
    void announce() { announcing_ = true; }
    // The show's surface is there, at its size, its context current.
    bool showReady() const { return show_ != nullptr && showAttached_; }
    int32_t showWidth() const { return show_ ? show_->width() : 0; }
    int32_t showHeight() const { return show_ ? show_->height() : 0; }
    // Every surface goes.
    void clear();

  private:
    void dropClosed();
    void removeShow();
    bool keepShowAttached();
    void push(BackendEventKind kind, int32_t width = 0, int32_t height = 0);

    WaylandConnection& connection_;
    WaylandOutputs& outputs_;
    EglContext& gl_;
    LayerPlace place_;
    std::deque<BackendEvent>& events_;
    bool announcing_ = false;
    std::unique_ptr<WaylandLayerSurface> show_;
    uint32_t showOutput_ = 0;
    bool showAttached_ = false;
    std::map<uint32_t, std::unique_ptr<WaylandBlackCover>> covers_;
};

} // namespace kestro

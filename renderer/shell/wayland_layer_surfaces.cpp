#include "renderer/shell/wayland_layer_surfaces.h"

#include "renderer/shell/gl_context_egl.h"
#include "renderer/shell/wayland_connection.h"
#include "renderer/shell/wayland_outputs.h"

namespace kestro {

WaylandLayerSurfaces::WaylandLayerSurfaces(WaylandConnection& connection, WaylandOutputs& outputs,
                                           EglContext& gl, LayerPlace place,
                                           std::deque<BackendEvent>& events)
    : connection_(connection), outputs_(outputs), gl_(gl), place_(place), events_(events) {}

WaylandLayerSurfaces::~WaylandLayerSurfaces() {
    clear();
}

bool WaylandLayerSurfaces::update() {
    dropClosed();
    const OutputRoster& roster = outputs_.roster();
    for (auto cover = covers_.begin(); cover != covers_.end();) {
        if (roster.has(cover->first))
            ++cover;
        else
            cover = covers_.erase(cover);
    }
    const std::optional<uint32_t> showOutput = roster.showOutput();
    if (show_ != nullptr && (!showOutput || *showOutput != showOutput_))
        removeShow();
    for (uint32_t name : roster.names()) {
        wl_output* output = outputs_.output(name);
        if (name == showOutput) {
            if (show_ == nullptr) {
                covers_.erase(name);
                show_ = std::make_unique<WaylandLayerSurface>(
                    connection_.compositor(), connection_.layerShell(), output, place_);
                showOutput_ = name;
            }
        } else if (covers_.find(name) == covers_.end()) {
            covers_[name] = std::make_unique<WaylandBlackCover>(connection_.compositor(),
                                                                connection_.layerShell(),
                                                                connection_.shm(), output, place_);
        }
    }
    for (auto& cover : covers_)
        cover.second->update();
    return keepShowAttached();
}

// A surface the compositor closed is not asked for again on its output
// until that output is announced anew.
void WaylandLayerSurfaces::dropClosed() {
    for (const auto& cover : covers_)
        if (cover.second->closed())
            outputs_.drop(cover.first);
    if (show_ != nullptr && show_->closed())
        outputs_.drop(showOutput_);
}

void WaylandLayerSurfaces::removeShow() {
    if (showAttached_) {
        gl_.detach();
        showAttached_ = false;
        if (announcing_)
            push(BackendEventKind::Hidden);
    }
    show_.reset();
}

// The show's surface draws once it has its first size, and follows the
// sizes after that.
bool WaylandLayerSurfaces::keepShowAttached() {
    if (show_ == nullptr || !show_->configured())
        return true;
    const bool resized = show_->takeResize();
    if (!showAttached_) {
        if (!gl_.attach(show_->surface(), show_->width(), show_->height()))
            return false;
        showAttached_ = true;
        if (announcing_) {
            push(BackendEventKind::Resized, show_->width(), show_->height());
            push(BackendEventKind::Shown);
        }
    } else if (resized) {
        gl_.resize(show_->width(), show_->height());
        push(BackendEventKind::Resized, show_->width(), show_->height());
    }
    return true;
}

void WaylandLayerSurfaces::clear() {
    if (showAttached_)
        gl_.detach();
    showAttached_ = false;
    show_.reset();
    covers_.clear();
}

void WaylandLayerSurfaces::push(BackendEventKind kind, int32_t width, int32_t height) {
    BackendEvent event;
    event.kind = kind;
    event.width = width;
    event.height = height;
    events_.push_back(event);
}

} // namespace kestro

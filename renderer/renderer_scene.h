#pragma once
// The renderer's one scene as the shell drives it: the simulation state,
// the display it draws on, and the way Escape ends the program.

#include <functional>
#include <memory>

#include "renderer/scene/scene_controller.h"
#include "renderer/shell/render_loop.h"

namespace kestro {

class RendererScene final : public SceneHooks {
  public:
    RendererScene(SceneDisplay& display, std::function<void()> requestQuit);

    bool initScene(KeyTable* keyTable) override;
    void updateTiming(uint32_t elapsedMilliseconds) override;
    void drawFrame(bool drawn) override;

    const SceneState& state() const { return *state_; }

  private:
    // Lives as long as the program, across every window: the phase, the
    // timeline and the random sequence go on where they were.
    std::unique_ptr<SceneState> state_;
    SceneDisplay& display_;
    NoSceneDisplay undrawn_;
};

} // namespace kestro

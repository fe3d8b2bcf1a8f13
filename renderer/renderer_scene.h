#pragma once
// The renderer's one scene as a shell drives it: the simulation state, the
// port it draws on, the shell's keys and the way the quit key ends the
// program. Serves the Windows renderer and the X11 module alike.

#include <functional>
#include <memory>

#include "renderer/scene/scene_controller.h"
#include "renderer/shell/shell_events.h"

namespace kestro {

class RendererScene final : public ShellEvents, private SceneEvents {
  public:
    // requestQuit ends the program once the current step has run; the shell
    // that runs the scene gives it.
    RendererScene(ScenePort& display, std::function<void()> requestQuit);
    RendererScene(const RendererScene&) = delete;
    RendererScene& operator=(const RendererScene&) = delete;

    bool initScene(const KeyTable& keys) override;
    void updateTiming(uint32_t elapsedMilliseconds) override;
    void drawFrame(bool drawn) override;

    const SceneState& state() const { return *state_; }

  private:
    // Escape, as the shell's key table holds it.
    bool quitKeyHeld() override;
    void requestQuit() override;

    // Lives as long as the program, across every window: the phase, the
    // timeline and the random sequence go on where they were.
    std::unique_ptr<SceneState> state_;
    ScenePort& display_;
    UndrawnScenePort undrawn_;
    std::function<void()> requestQuit_;
    const KeyTable* keys_ = nullptr;
};

} // namespace kestro

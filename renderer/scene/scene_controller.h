#pragma once
// The scene's phases as the shell drives them: set-up after each window
// creation, then per frame the elapsed time and the drawing. The decisions
// live here; the drawing itself goes through SceneDisplay, which is OpenGL
// in the renderer and a recording fake in the tests.

#include <cstdint>
#include <functional>

#include "renderer/scene/key_table.h"
#include "renderer/scene/particle_cloud.h"
#include "renderer/scene/scene_random.h"
#include "renderer/scene/scene_timeline.h"

namespace kestro {

class SceneDisplay {
  public:
    virtual ~SceneDisplay() = default;
    // The fixed drawing state, once per window creation.
    virtual void setUpState() = 0;
    // Loads the sprite file and makes its texture; a missing file leaves the
    // particles untextured.
    virtual void loadSprite() = 0;
    // Clears to black and resets the model-view matrix.
    virtual void clearScreen() = 0;
    // Draws every particle as it stands, before this frame moves it.
    virtual void drawCloud(const ParticleCloud& cloud, float sizeScale) = 0;
    virtual void finishFrame() = 0;
};

// A display that draws nothing: steps that only advance the simulation,
// and programs that run the scene without OpenGL.
class NoSceneDisplay final : public SceneDisplay {
  public:
    void setUpState() override {}
    void loadSprite() override {}
    void clearScreen() override {}
    void drawCloud(const ParticleCloud&, float) override {}
    void finishFrame() override {}
};

// Everything the scene keeps between frames. None of it is reset when the
// window is recreated: the phase and the timeline go on where they were, and
// the random sequence is never seeded again.
struct SceneState {
    // How the scene ends the program when Escape is held; given by whoever
    // runs the scene (the renderer's shell, or nothing in a plain run).
    std::function<void()> requestQuit;
    const KeyTable* sceneKeys = nullptr;
    SceneTimeline timeline;
    ParticleCloud cloud;
    SceneRandom random;
};

// Always true.
bool setUpScene(SceneState& scene, SceneDisplay& display, const KeyTable* keyTable);

// Asks the shell to quit when Escape is held (the frame still runs to its
// end), then takes the frame's elapsed time.
void updateSceneTiming(SceneState& scene, uint32_t elapsedMilliseconds);

// One frame: the wait or the particle cloud, then the timeline moves on.
void drawSceneFrame(SceneState& scene, SceneDisplay& display);

// The particle phase's frame: restart, script and spin; drawing; motion,
// fading and births.
void drawParticleCloud(SceneState& scene, SceneDisplay& display);

} // namespace kestro

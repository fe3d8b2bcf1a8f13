#pragma once
// The scene's phases as its owner drives them: set-up after each window
// creation, then per frame the elapsed time and the drawing. The decisions
// live here; the drawing itself goes through ScenePort, which is OpenGL in
// the programs and a recording fake in the tests.

#include <cstdint>

#include "renderer/scene/particle_cloud.h"
#include "renderer/scene/scene_port.h"
#include "renderer/scene/scene_random.h"
#include "renderer/scene/scene_timeline.h"

namespace kestro {

// What the scene asks of whoever runs it.
class SceneEvents {
  public:
    virtual ~SceneEvents() = default;
    // True while the key that ends the show is held.
    virtual bool quitKeyHeld() = 0;
    // Ends the program once the current step has run to its end.
    virtual void requestQuit() = 0;
};

// Everything the scene keeps between frames. None of it is reset when the
// window is recreated: the phase and the timeline go on where they were, and
// the random sequence is never seeded again.
struct SceneState {
    // Whoever runs the scene: asked for the quit key, told to quit. None in
    // a plain run of the simulation.
    SceneEvents* events = nullptr;
    SceneTimeline timeline;
    ParticleCloud cloud;
    SceneRandom random;
};

// Remembers the events (null for none). Cannot fail.
void setUpScene(SceneState& scene, ScenePort& display, SceneEvents* events);

// Asks to quit when the quit key is held (the frame still runs to its end),
// then takes the frame's elapsed time.
void updateSceneTiming(SceneState& scene, uint32_t elapsedMilliseconds);

// One frame: the wait or the particle cloud, then the timeline moves on.
void drawSceneFrame(SceneState& scene, ScenePort& display);

// The particle phase's frame: restart, script and spin; drawing; motion,
// fading and births.
void drawParticleCloud(SceneState& scene, ScenePort& display);

} // namespace kestro

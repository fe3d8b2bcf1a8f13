#include "renderer/scene/scene_controller.h"

#include "renderer/scene/floating_point_mode.h"

namespace kestro {

namespace {

void waitStep(SceneState& scene, ScenePort& display) {
    display.clearScreen();
    if (waitIsOver(scene.timeline)) {
        startParticlePhase(scene.timeline);
    }
}

} // namespace

void setUpScene(SceneState& scene, ScenePort& display, SceneEvents* events) {
    scene.events = events;
    // After every window creation: the new context's driver may have
    // unmasked the traps the cloud's divisions by zero must not hit.
    maskFloatingPointTraps();
    display.setUpState();
    resetParticles(ResetForm::SetUp, scene.cloud, scene.timeline, scene.random);
    display.loadSprite();
    display.clearScreen();
}

void updateSceneTiming(SceneState& scene, uint32_t elapsedMilliseconds) {
    if (scene.events != nullptr && scene.events->quitKeyHeld()) {
        scene.events->requestQuit();
    }
    recordElapsed(scene.timeline, elapsedMilliseconds);
}

void drawSceneFrame(SceneState& scene, ScenePort& display) {
    scene.timeline.sizeScale = FRAME_SIZE_SCALE;
    if (scene.timeline.scenePhase == ScenePhase::Wait) {
        waitStep(scene, display);
    }
    // Tested after the wait step, so the frame that ends the wait already
    // shows the cloud.
    if (scene.timeline.scenePhase == ScenePhase::Particles) {
        drawParticleCloud(scene, display);
    }
    advanceTimeline(scene.timeline);
    display.finishFrame();
}

void drawParticleCloud(SceneState& scene, ScenePort& display) {
    beginCloudFrame(scene.cloud, scene.timeline, scene.random);
    display.drawCloud(scene.cloud, scene.timeline.sizeScale);
    advanceParticles(scene.cloud, scene.timeline, scene.random);
}

} // namespace kestro

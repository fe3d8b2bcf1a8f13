#include "renderer/scene/scene_controller.h"

#include "renderer/scene/floating_point_mode.h"

namespace kestro {

namespace {

bool escapeHeld(const KeyTable* keys) {
    return keys != nullptr && keys->keys[KEY_ESCAPE] == 1;
}

void waitStep(SceneState& scene, SceneDisplay& display) {
    display.clearScreen();
    if (!waitIsOver(scene.timeline)) {
        return;
    }
    scene.timeline.stage = FIRST_SHOW_STAGE;
    // The frame that ends the wait draws the cloud without moving it.
    updateSceneTiming(scene, 0);
    startParticlePhase(scene.timeline);
}

} // namespace

bool setUpScene(SceneState& scene, SceneDisplay& display, const KeyTable* keyTable) {
    scene.sceneKeys = keyTable;
    // After every window creation: the new context's driver may have
    // unmasked the traps the cloud's divisions by zero must not hit.
    maskFloatingPointTraps();
    display.setUpState();
    resetParticles(ResetForm::SetUp, scene.cloud, scene.timeline, scene.random);
    display.loadSprite();
    display.clearScreen();
    return true;
}

void updateSceneTiming(SceneState& scene, uint32_t elapsedMilliseconds) {
    if (escapeHeld(scene.sceneKeys) && scene.requestQuit) {
        scene.requestQuit();
    }
    recordElapsed(scene.timeline, elapsedMilliseconds);
}

void drawSceneFrame(SceneState& scene, SceneDisplay& display) {
    scene.timeline.sizeScale = FRAME_SIZE_SCALE;
    if (scene.timeline.scenePhase == PHASE_WAIT) {
        waitStep(scene, display);
    }
    // Tested after the wait step, so the frame that ends the wait already
    // shows the cloud.
    if (scene.timeline.scenePhase == PHASE_PARTICLES) {
        drawParticleCloud(scene, display);
    }
    advanceTimeline(scene.timeline);
    display.finishFrame();
}

void drawParticleCloud(SceneState& scene, SceneDisplay& display) {
    beginCloudFrame(scene.cloud, scene.timeline, scene.random);
    display.drawCloud(scene.cloud, scene.timeline.sizeScale);
    advanceParticles(scene.cloud, scene.timeline, scene.random);
}

} // namespace kestro

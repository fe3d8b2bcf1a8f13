#include "renderer/scene/scene.h"

#include "renderer/scene/gl_scene_display.h"
#include "renderer/scene/scene_controller.h"

namespace kestro {

namespace {
// The renderer has one scene for the whole process; it outlives every
// window the shell creates.
SceneState theScene;
GlSceneDisplay theDisplay(spriteImages[0], SPRITE_FILE_PATH);
} // namespace

bool initScene(RendererWindow* window, KeyTable* keyTable) {
    return setUpScene(theScene, theDisplay, window, keyTable);
}

void updateTiming(uint32_t elapsedMilliseconds) {
    updateSceneTiming(theScene, elapsedMilliseconds);
}

void drawFrame() {
    drawSceneFrame(theScene, theDisplay);
}

int32_t sceneRandom() {
    return theScene.random.next();
}

} // namespace kestro

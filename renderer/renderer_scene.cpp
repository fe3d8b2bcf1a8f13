#include "renderer/renderer_scene.h"

#include <utility>

namespace kestro {

RendererScene::RendererScene(SceneDisplay& display, std::function<void()> requestQuit)
    : state_(std::make_unique<SceneState>()), display_(display) {
    state_->requestQuit = std::move(requestQuit);
}

bool RendererScene::initScene(KeyTable* keyTable) {
    return setUpScene(*state_, display_, keyTable);
}

void RendererScene::updateTiming(uint32_t elapsedMilliseconds) {
    updateSceneTiming(*state_, elapsedMilliseconds);
}

void RendererScene::drawFrame(bool drawn) {
    drawSceneFrame(*state_, drawn ? display_ : undrawn_);
}

} // namespace kestro

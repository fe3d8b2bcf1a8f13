#include "renderer/renderer_scene.h"

#include <utility>

namespace kestro {

RendererScene::RendererScene(ScenePort& display, std::function<void()> requestQuit)
    : state_(std::make_unique<SceneState>()), display_(display),
      requestQuit_(std::move(requestQuit)) {}

bool RendererScene::initScene(const KeyTable& keys) {
    keys_ = &keys;
    setUpScene(*state_, display_, this);
    return true;
}

void RendererScene::updateTiming(uint32_t elapsedMilliseconds) {
    updateSceneTiming(*state_, elapsedMilliseconds);
}

void RendererScene::drawFrame(bool drawn) {
    drawSceneFrame(*state_, drawn ? display_ : undrawn_);
}

bool RendererScene::quitKeyHeld() {
    return keys_ != nullptr && keys_->keys[KEY_ESCAPE] == 1;
}

void RendererScene::requestQuit() {
    if (requestQuit_)
        requestQuit_();
}

} // namespace kestro

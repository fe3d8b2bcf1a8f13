#pragma once
// The scene drawn with OpenGL 1.1 in immediate mode: additive, textured
// squares, one triangle strip each.

#include "common/shared_names.h"
#include "renderer/image/texture_image.h"
#include "renderer/scene/scene_controller.h"

namespace kestro {

class GlSceneDisplay : public SceneDisplay {
  public:
    GlSceneDisplay(TextureImage& sprite, const char* spritePath)
        : sprite_(sprite), spritePath_(spritePath) {}

    void setUpState() override;
    void loadSprite() override;
    void clearScreen() override;
    void drawCloud(const ParticleCloud& cloud, float sizeScale) override;
    void finishFrame() override;

  private:
    TextureImage& sprite_;
    const char* spritePath_;
};

} // namespace kestro

#pragma once
// The scene drawn with OpenGL 1.1 in immediate mode: additive, textured
// squares, one triangle strip each.

#include "renderer/image/texture_image.h"
#include "renderer/scene/scene_controller.h"

namespace kestro {

// Where the host writes the particle sprite before it starts the renderer.
constexpr const char* SPRITE_FILE = "C:\\v_nalo\\Kestrovalinde.bmp";

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

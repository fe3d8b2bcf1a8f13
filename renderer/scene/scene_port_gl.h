#pragma once
// The scene drawn with OpenGL 1.1 in immediate mode: additive, textured
// squares, one triangle strip each.

#include <cstddef>
#include <cstdint>

#include "renderer/image/texture_image.h"
#include "renderer/scene/scene_port.h"

namespace kestro {

class GlScenePort : public ScenePort {
  public:
    // The sprite read from the file the host wrote.
    GlScenePort(TextureImage& sprite, const char* spritePath)
        : sprite_(sprite), spritePath_(spritePath) {}
    // The same sprite bytes held in memory; nothing is read from a file.
    GlScenePort(TextureImage& sprite, const uint8_t* spriteBytes, size_t spriteSize)
        : sprite_(sprite), spriteBytes_(spriteBytes), spriteSize_(spriteSize) {}

    void setUpState() override;
    void loadSprite() override;
    void clearScreen() override;
    void drawCloud(const ParticleCloud& cloud, float sizeScale) override;
    void finishFrame() override;

  private:
    TextureImage& sprite_;
    const char* spritePath_ = nullptr;
    const uint8_t* spriteBytes_ = nullptr;
    size_t spriteSize_ = 0;
};

} // namespace kestro

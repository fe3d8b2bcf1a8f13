#pragma once
// The scene drawn with OpenGL 1.1: additive, textured squares, the whole
// cloud in one draw call from vertex arrays (cloud_batch.h), which any
// Windows OpenGL has.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "renderer/image/texture_image.h"
#include "renderer/scene/cloud_batch.h"
#include "renderer/scene/scene_port.h"

namespace kestro {

class GlScenePort : public ScenePort {
  public:
    // The sprite read from the file the host wrote.
    GlScenePort(TextureImage& sprite, const char* spritePath)
        : sprite_(sprite), spritePath_(spritePath), batch_(std::make_unique<CloudBatch>()) {}
    // The same sprite bytes held in memory; nothing is read from a file.
    GlScenePort(TextureImage& sprite, const uint8_t* spriteBytes, size_t spriteSize)
        : sprite_(sprite), spriteBytes_(spriteBytes), spriteSize_(spriteSize),
          batch_(std::make_unique<CloudBatch>()) {}

    void setUpState() override;
    void loadSprite() override;
    void clearScreen() override;
    void drawCloud(const ParticleCloud& cloud, float sizeScale) override;
    void finishFrame() override;

  protected:
    // Everything a picture of the cloud needs before its squares: the
    // cleared screen, blending, the cloud's turn and place, the sprite.
    void beginCloudPicture(const ParticleCloud& cloud);

  private:
    TextureImage& sprite_;
    const char* spritePath_ = nullptr;
    const uint8_t* spriteBytes_ = nullptr;
    size_t spriteSize_ = 0;
    // Made once with the port, so a picture allocates nothing.
    std::unique_ptr<CloudBatch> batch_;
};

} // namespace kestro

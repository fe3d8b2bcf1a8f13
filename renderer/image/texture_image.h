#pragma once
// The renderer's picture: a BMP file read and decoded into RGBA pixels, and
// the OpenGL texture made from them. Reading and decoding live apart
// (image_file.h, bmp_decoder.h); the texture calls are in
// texture_object_gl.cpp.

#include <cstddef>
#include <cstdint>

#include "renderer/image/rgba_image.h"

namespace kestro {

class TextureImage {
  public:
    TextureImage() = default;
    ~TextureImage();

    TextureImage(const TextureImage&) = delete;
    TextureImage& operator=(const TextureImage&) = delete;

    // Drops any picture held, then reads the file when its path ends in
    // "bmp" (any letter case). True when a picture is held afterwards.
    bool load(const char* path);
    // Drops any picture held, then decodes the bitmap held in memory. True
    // when a picture is held afterwards.
    bool decode(const uint8_t* bytes, size_t size);

    // width x height RGBA pixels, or null when no picture is held.
    const uint8_t* pixels() const;
    int32_t width() const { return image_.width; }
    int32_t height() const { return image_.height; }

    // Reverses the row order so the first row in memory is the top row.
    // False when no picture is held.
    bool flipVertical();

    // Makes a fresh mipmapped texture of the pixels in the current context.
    void createTexture();
    // Binds the texture when one exists; otherwise leaves the binding alone.
    void bind();
    // 0 while there is no texture.
    uint32_t textureName() const { return textureName_; }

  private:
    void deleteTexture();

    RgbaImage image_;
    uint32_t textureName_ = 0;
};

} // namespace kestro

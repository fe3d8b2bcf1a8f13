#pragma once
// SaverSprite, the particle sprite the saver hands to the renderer: a
// 32 x 32 soft white glow on black, as a 24-bit bottom-up Windows bitmap.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "tools/bitmap/bmp_writer.h"

namespace kestro {

constexpr int SPRITE_SIZE = 32;
constexpr int SPRITE_CENTRE = 15; // pixel (15, 15) from the top-left corner
constexpr size_t SPRITE_PIXEL_OFFSET = tools::BMP_FILE_HEADER_SIZE + tools::BMP_INFO_HEADER_SIZE;
constexpr size_t SPRITE_IMAGE_SIZE = SPRITE_SIZE * SPRITE_SIZE * 3;
constexpr size_t SPRITE_FILE_SIZE = SPRITE_PIXEL_OFFSET + SPRITE_IMAGE_SIZE; // 3126

// Mean brightness of the pixels whose distance from the centre rounds to
// the index; from the last entry on the glow is black.
constexpr std::array<int, 23> SPRITE_BRIGHTNESS_PROFILE = {
    252, 251, 248, 211, 162, 129, 100, 80, 63, 48, 39, 33, 27, 22, 18, 14, 11, 9, 7, 5, 4, 1, 0};

// From this distance on every pixel is black, the top-left corner included.
constexpr double SPRITE_BLACK_FROM_DISTANCE = 21.0;

// The glow is slightly warm: the brightest pixel, and the shares of red
// that green and blue keep everywhere.
constexpr int SPRITE_RED = 255;
constexpr int SPRITE_GREEN = 252;
constexpr int SPRITE_BLUE = 249;

struct SpritePixel {
    uint8_t red, green, blue;
};

// The glow's pixels, row by row from the top.
std::vector<SpritePixel> MakeSaverSpritePixels();

// The pixels as the complete bitmap file.
std::vector<uint8_t> SaverSpriteBitmap(const std::vector<SpritePixel>& pixels);

} // namespace kestro

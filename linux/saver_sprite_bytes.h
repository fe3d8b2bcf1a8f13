#pragma once
// The particle sprite the Windows host writes for its renderer
// (resources/saver_sprite.bmp, a 24-bit bitmap), built into the module so
// that it draws the same glow without reading or writing any file.

#include <cstddef>
#include <cstdint>

namespace kestro {

extern const uint8_t SAVER_SPRITE_BYTES[];
extern const size_t SAVER_SPRITE_SIZE;

} // namespace kestro

#pragma once
// Sprite files for drawing checks and benchmarks, written as the host writes
// its sprite: 24-bit uncompressed bitmaps, bottom row first.

#include <cstdint>
#include <functional>
#include <string>

namespace kestro::tools {

constexpr int GLOW_SPRITE_SIZE = 32;

// Writes a GLOW_SPRITE_SIZE square bitmap whose grey level at (column, row
// from the top) comes from the given function. True when the file was written.
bool writeGreySprite(const std::string& path, const std::function<uint8_t(int, int)>& greyAt);

// A soft white glow: bright in the middle, fading to black at the rim.
bool writeGlowSprite(const std::string& path);

} // namespace kestro::tools

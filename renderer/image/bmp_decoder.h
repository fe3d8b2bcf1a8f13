#pragma once
// Decoding a Windows bitmap held in memory into RGBA pixels: uncompressed
// (or bit-field) files of 4, 8, 16, 24 or 32 bits per pixel, bottom-up.
// The file's numbers are never trusted: every size it states is checked
// against the bytes there are before one is read or a buffer is made, so a
// damaged or hostile file is simply refused.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "renderer/image/rgba_image.h"

namespace kestro {

// Largest width or height accepted. The sprite is 32 x 32; this leaves room
// for any sensible texture while keeping every byte count (up to 16384 x
// 16384 x 4 = 1 GiB) far inside 32 bits signed.
constexpr int32_t BMP_MAX_DIMENSION = 16384;

// The picture, or nothing when the bytes are not a bitmap this reader takes.
std::optional<RgbaImage> decodeBmp(const uint8_t* bytes, size_t size);

} // namespace kestro

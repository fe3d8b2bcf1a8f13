// Fuzz target of the BMP decoder: any bytes, decoded in memory as the
// sprite's file would be. Whatever the decoder accepts must be a buffer of
// exactly width x height opaque RGBA pixels that flipping can walk.

#include <cstddef>
#include <cstdint>

#include "renderer/image/bmp_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::optional<kestro::RgbaImage> image = kestro::decodeBmp(data, size);
    if (!image)
        return 0;
    if (image->width <= 0 || image->height <= 0 || image->width > kestro::BMP_MAX_DIMENSION ||
        image->height > kestro::BMP_MAX_DIMENSION)
        __builtin_trap();
    const size_t count = static_cast<size_t>(image->width) * static_cast<size_t>(image->height);
    if (image->pixels.size() != count * kestro::RGBA_BYTES)
        __builtin_trap();
    kestro::flipRows(*image);
    for (size_t i = 0; i < count; ++i)
        if (image->pixels[i * kestro::RGBA_BYTES + 3] != 255)
            __builtin_trap();
    return 0;
}

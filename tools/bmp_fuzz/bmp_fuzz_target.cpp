// Fuzz target of the BMP reader: any bytes as a file, read through the same
// path as the sprite. Whatever the reader accepts must be a buffer of
// exactly width x height RGBA pixels that flipping and reading can walk.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "renderer/image/texture_image.h"

namespace {

std::string scratchPath() {
    const char* folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(folder) + "/kestro_bmp_fuzz_" + std::to_string(getpid()) + ".bmp";
}

bool writeInput(const std::string& path, const uint8_t* data, size_t size) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = scratchPath();
    if (!writeInput(path, data, size))
        return 0;

    kestro::TextureImage image;
    const bool loaded = image.load(path.c_str());
    if (loaded != (image.pixels != nullptr))
        __builtin_trap();
    if (!loaded)
        return 0;
    if (image.bitsPerPixel != 32 || image.width <= 0 || image.height <= 0 ||
        image.width > kestro::BMP_MAX_DIMENSION || image.height > kestro::BMP_MAX_DIMENSION)
        __builtin_trap();
    image.flipVertical();
    // Reading every byte lets the address checker prove the buffer's size.
    unsigned alphaMismatches = 0;
    const size_t count = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
    for (size_t i = 0; i < count; ++i)
        alphaMismatches += image.pixels[i * 4 + 3] != 255;
    if (alphaMismatches != 0)
        __builtin_trap();
    return 0;
}

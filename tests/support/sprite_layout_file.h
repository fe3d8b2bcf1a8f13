#pragma once
// A BMP file shaped as the host's sprite file but with a pixel pattern each
// test can check, for the reader's tests.

#include <cstdint>
#include <vector>

#include "tools/bitmap/bmp_writer.h"

namespace kestro::testing {

// A 32 x 32, 24-bit picture laid out as the host's sprite file: 54 header
// bytes and 3072 pixel bytes, 3126 in all. Pixel (x, y) of the stored rows
// (y = 0 is the bottom row) is blue x * 8, green y * 8, red x ^ y.
inline std::vector<uint8_t> spriteLayoutFile(uint32_t imageSizeField) {
    tools::BmpLayout layout;
    layout.width = 32;
    layout.height = 32;
    layout.bitsPerPixel = 24;
    layout.imageSizeField = imageSizeField;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            layout.pixelArray.push_back(static_cast<uint8_t>(x * 8));
            layout.pixelArray.push_back(static_cast<uint8_t>(y * 8));
            layout.pixelArray.push_back(static_cast<uint8_t>(x ^ y));
        }
    }
    return tools::BmpFileBytes(layout);
}

} // namespace kestro::testing

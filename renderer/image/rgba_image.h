#pragma once
// A decoded picture: width x height pixels of four bytes (red, green, blue,
// alpha), rows in the order the file stored them (bottom row first for a
// bitmap) until flipped.

#include <cstdint>
#include <vector>

namespace kestro {

constexpr int RGBA_BYTES = 4;

struct RgbaImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;
};

// Reverses the row order, so that the first row in memory becomes the last.
void flipRows(RgbaImage& image);

} // namespace kestro

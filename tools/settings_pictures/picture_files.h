#pragma once
// Writers for the Windows picture files the host keeps as resources: 24-bit
// bitmaps, 32-bit icons with alpha, monochrome cursors.

#include <cstdint>
#include <string>
#include <vector>

#include "tools/bitmap/bmp_writer.h"

namespace kestro::tools {

struct Rgba {
    uint8_t red = 0, green = 0, blue = 0, alpha = 255;
};

// width x height pixels, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels;
    Picture(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h) {}
    Rgba& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    const Rgba& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// A BMP file of 24 bits per pixel, rows bottom-up, alpha ignored.
Bytes BmpFile(const Picture& picture);

// An ICO file holding one 32-bit image with alpha; the AND mask marks the
// fully transparent pixels.
Bytes IconFile(const Picture& picture);

enum class CursorPixel : uint8_t { Transparent, Black, White };

// A CUR file holding one monochrome image with its hot spot.
Bytes CursorFile(int width, int height, const std::vector<CursorPixel>& pixels, int hotX, int hotY);

void WriteFile(const std::string& path, const Bytes& bytes);

} // namespace kestro::tools

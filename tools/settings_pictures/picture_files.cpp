#include "tools/settings_pictures/picture_files.h"

#include <fstream>
#include <stdexcept>

namespace kestro::tools {

namespace {

constexpr uint32_t BITMAP_INFO_HEADER_SIZE = 40;
constexpr uint32_t BITMAP_FILE_HEADER_SIZE = 14;
constexpr uint32_t ICON_DIR_SIZE = 6;
constexpr uint32_t ICON_ENTRY_SIZE = 16;
constexpr uint16_t ICON_TYPE = 1;
constexpr uint16_t CURSOR_TYPE = 2;

void put16(Bytes& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void put32(Bytes& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

uint32_t rowBytes(int width, int bitsPerPixel) {
    return ((static_cast<uint32_t>(width) * bitsPerPixel + 31) / 32) * 4;
}

// heightField is doubled for icons and cursors, which stack the AND mask
// under the colour image.
void putInfoHeader(Bytes& out, int width, int heightField, int bitsPerPixel, uint32_t imageSize,
                   uint32_t coloursUsed) {
    put32(out, BITMAP_INFO_HEADER_SIZE);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(heightField));
    put16(out, 1);
    put16(out, static_cast<uint32_t>(bitsPerPixel));
    put32(out, 0); // BI_RGB
    put32(out, imageSize);
    put32(out, 0);
    put32(out, 0);
    put32(out, coloursUsed);
    put32(out, 0);
}

// 1-bit rows, bottom-up, padded to 32 bits.
Bytes maskBits(int width, int height, const std::vector<bool>& set) {
    const uint32_t stride = rowBytes(width, 1);
    Bytes bits(stride * static_cast<uint32_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = &bits[(height - 1 - y) * stride];
        for (int x = 0; x < width; ++x) {
            if (set[static_cast<size_t>(y) * width + x])
                row[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
        }
    }
    return bits;
}

void putIconDirectory(Bytes& out, uint16_t type, int width, int height, uint16_t planesOrHotX,
                      uint16_t bitsOrHotY, uint8_t colourCount, uint32_t imageBytes) {
    put16(out, 0);
    put16(out, type);
    put16(out, 1);
    out.push_back(static_cast<uint8_t>(width));
    out.push_back(static_cast<uint8_t>(height));
    out.push_back(colourCount);
    out.push_back(0);
    put16(out, planesOrHotX);
    put16(out, bitsOrHotY);
    put32(out, imageBytes);
    put32(out, ICON_DIR_SIZE + ICON_ENTRY_SIZE);
}

} // namespace

Bytes BmpFile(const Picture& picture) {
    const uint32_t stride = rowBytes(picture.width, 24);
    const uint32_t imageSize = stride * static_cast<uint32_t>(picture.height);
    const uint32_t offset = BITMAP_FILE_HEADER_SIZE + BITMAP_INFO_HEADER_SIZE;
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageSize);
    put32(out, 0);
    put32(out, offset);
    putInfoHeader(out, picture.width, picture.height, 24, imageSize, 0);
    for (int y = picture.height - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        for (int x = 0; x < picture.width; ++x) {
            const Rgba& p = picture.at(x, y);
            out.push_back(p.blue);
            out.push_back(p.green);
            out.push_back(p.red);
        }
        out.resize(rowStart + stride, 0);
    }
    return out;
}

Bytes IconFile(const Picture& picture) {
    std::vector<bool> transparent;
    for (const Rgba& p : picture.pixels)
        transparent.push_back(p.alpha == 0);
    const Bytes mask = maskBits(picture.width, picture.height, transparent);
    const uint32_t colourBytes =
        rowBytes(picture.width, 32) * static_cast<uint32_t>(picture.height);
    const uint32_t imageBytes =
        BITMAP_INFO_HEADER_SIZE + colourBytes + static_cast<uint32_t>(mask.size());

    Bytes out;
    putIconDirectory(out, ICON_TYPE, picture.width, picture.height, 1, 32, 0, imageBytes);
    putInfoHeader(out, picture.width, picture.height * 2, 32,
                  colourBytes + static_cast<uint32_t>(mask.size()), 0);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgba& p = picture.at(x, y);
            out.insert(out.end(), {p.blue, p.green, p.red, p.alpha});
        }
    }
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}

Bytes CursorFile(int width, int height, const std::vector<CursorPixel>& pixels, int hotX,
                 int hotY) {
    if (pixels.size() != static_cast<size_t>(width) * height)
        throw std::invalid_argument("cursor size");
    std::vector<bool> white, transparent;
    for (CursorPixel p : pixels) {
        white.push_back(p == CursorPixel::White);
        transparent.push_back(p == CursorPixel::Transparent);
    }
    const Bytes colour = maskBits(width, height, white);
    const Bytes mask = maskBits(width, height, transparent);
    constexpr uint32_t PALETTE_BYTES = 8; // black, then white
    const uint32_t imageBytes = BITMAP_INFO_HEADER_SIZE + PALETTE_BYTES +
                                static_cast<uint32_t>(colour.size() + mask.size());

    Bytes out;
    putIconDirectory(out, CURSOR_TYPE, width, height, static_cast<uint16_t>(hotX),
                     static_cast<uint16_t>(hotY), 2, imageBytes);
    putInfoHeader(out, width, height * 2, 1, static_cast<uint32_t>(colour.size() + mask.size()), 2);
    put32(out, 0x000000);
    put32(out, 0xFFFFFF);
    out.insert(out.end(), colour.begin(), colour.end());
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

} // namespace kestro::tools

#pragma once
// Builds BMP files byte by byte for the reader's tests, so each test states
// exactly the header fields and pixel bytes it is about.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace kestro::testing {

struct BmpLayout {
    int32_t width = 1;
    int32_t height = 1;
    uint16_t bitsPerPixel = 24;
    uint32_t compression = 0;
    uint32_t headerSize = 40;
    // 0 in the file is allowed; -1 here means "write stride x height".
    int64_t imageSizeField = 0;
    uint32_t coloursUsed = 0;
    // Written straight after the 40 header bytes (bit-field masks), then the
    // padding up to 14 + headerSize, then the palette.
    std::vector<uint32_t> masks;
    // Blue, green, red, reserved per entry.
    std::vector<uint32_t> paletteBgr;
    // The pixel array exactly as stored (rows bottom-up, padded).
    std::vector<uint8_t> pixelArray;
    // -1: straight after the palette.
    int64_t pixelOffset = -1;
    // false: state pixelOffset but put the pixel array straight after the
    // palette anyway, so the stated offset can point past the end.
    bool padToPixelOffset = true;
    char signature[2] = {'B', 'M'};
};

inline void putLe16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

inline void putLe32(std::vector<uint8_t>& out, uint32_t value) {
    putLe16(out, value & 0xFFFF);
    putLe16(out, value >> 16);
}

inline uint32_t strideOf(int32_t width, int bits) {
    return static_cast<uint32_t>(((static_cast<int64_t>(width) * bits + 31) / 8) & ~int64_t{3});
}

inline std::vector<uint8_t> buildBmp(const BmpLayout& layout) {
    std::vector<uint8_t> info;
    putLe32(info, layout.headerSize);
    putLe32(info, static_cast<uint32_t>(layout.width));
    putLe32(info, static_cast<uint32_t>(layout.height));
    putLe16(info, 1);
    putLe16(info, layout.bitsPerPixel);
    putLe32(info, layout.compression);
    const uint32_t imageSize =
        layout.imageSizeField < 0
            ? strideOf(layout.width, layout.bitsPerPixel) * static_cast<uint32_t>(layout.height)
            : static_cast<uint32_t>(layout.imageSizeField);
    putLe32(info, imageSize);
    putLe32(info, 2835);
    putLe32(info, 2835);
    putLe32(info, layout.coloursUsed);
    putLe32(info, 0);
    for (uint32_t mask : layout.masks)
        putLe32(info, mask);
    while (info.size() < layout.headerSize && layout.headerSize >= 40)
        info.push_back(0);
    for (uint32_t entry : layout.paletteBgr)
        putLe32(info, entry);

    const uint32_t naturalOffset = 14 + static_cast<uint32_t>(info.size());
    const uint32_t pixelOffset =
        layout.pixelOffset < 0 ? naturalOffset : static_cast<uint32_t>(layout.pixelOffset);
    std::vector<uint8_t> file;
    file.push_back(static_cast<uint8_t>(layout.signature[0]));
    file.push_back(static_cast<uint8_t>(layout.signature[1]));
    putLe32(file, naturalOffset + static_cast<uint32_t>(layout.pixelArray.size()));
    putLe32(file, 0);
    putLe32(file, pixelOffset);
    file.insert(file.end(), info.begin(), info.end());
    while (layout.padToPixelOffset && file.size() < pixelOffset)
        file.push_back(0);
    file.insert(file.end(), layout.pixelArray.begin(), layout.pixelArray.end());
    return file;
}

inline bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written =
        bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

// A 32 x 32, 24-bit picture laid out as the host's sprite file: 54 header
// bytes and 3072 pixel bytes, 3126 in all. Pixel (x, y) of the stored rows
// (y = 0 is the bottom row) is blue x * 8, green y * 8, red x ^ y.
inline std::vector<uint8_t> spriteLayoutFile(uint32_t imageSizeField) {
    BmpLayout layout;
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
    return buildBmp(layout);
}

} // namespace kestro::testing

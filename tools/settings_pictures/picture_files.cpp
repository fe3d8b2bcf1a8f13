#include "tools/settings_pictures/picture_files.h"

#include <stdexcept>

namespace kestro::tools {

namespace {

constexpr uint32_t ICON_DIR_SIZE = 6;
constexpr uint32_t ICON_ENTRY_SIZE = 16;
constexpr uint16_t ICON_TYPE = 1;
constexpr uint16_t CURSOR_TYPE = 2;

// An icon's or a cursor's image header: heightField is doubled, as the AND
// mask is stacked under the colour image.
Bytes imageHeader(int width, int heightField, int bitsPerPixel, uint32_t imageSize,
                  std::vector<uint32_t> palette = {}) {
    BmpLayout layout;
    layout.width = width;
    layout.height = heightField;
    layout.bitsPerPixel = static_cast<uint16_t>(bitsPerPixel);
    layout.imageSizeField = imageSize;
    layout.coloursUsed = static_cast<uint32_t>(palette.size());
    layout.paletteBgr = std::move(palette);
    return BmpInfoHeaderBytes(layout);
}

// 1-bit rows, bottom-up, padded to 32 bits.
Bytes maskBits(int width, int height, const std::vector<bool>& set) {
    const uint32_t stride = BmpStride(width, 1);
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
    AppendLe16(out, 0);
    AppendLe16(out, type);
    AppendLe16(out, 1);
    out.push_back(static_cast<uint8_t>(width));
    out.push_back(static_cast<uint8_t>(height));
    out.push_back(colourCount);
    out.push_back(0);
    AppendLe16(out, planesOrHotX);
    AppendLe16(out, bitsOrHotY);
    AppendLe32(out, imageBytes);
    AppendLe32(out, ICON_DIR_SIZE + ICON_ENTRY_SIZE);
}

} // namespace

Bytes BmpFile(const Picture& picture) {
    return Bmp24File(picture.width, picture.height, [&picture](int x, int y) {
        const Rgba& p = picture.at(x, y);
        return BmpRgb{p.red, p.green, p.blue};
    });
}

Bytes IconFile(const Picture& picture) {
    std::vector<bool> transparent;
    for (const Rgba& p : picture.pixels)
        transparent.push_back(p.alpha == 0);
    const Bytes mask = maskBits(picture.width, picture.height, transparent);
    const uint32_t colourBytes =
        BmpStride(picture.width, 32) * static_cast<uint32_t>(picture.height);
    const Bytes header = imageHeader(picture.width, picture.height * 2, 32,
                                     colourBytes + static_cast<uint32_t>(mask.size()));
    const uint32_t imageBytes =
        static_cast<uint32_t>(header.size()) + colourBytes + static_cast<uint32_t>(mask.size());

    Bytes out;
    putIconDirectory(out, ICON_TYPE, picture.width, picture.height, 1, 32, 0, imageBytes);
    out.insert(out.end(), header.begin(), header.end());
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
    const Bytes header =
        imageHeader(width, height * 2, 1, static_cast<uint32_t>(colour.size() + mask.size()),
                    {0x000000, 0xFFFFFF}); // black, then white
    const uint32_t imageBytes = static_cast<uint32_t>(header.size() + colour.size() + mask.size());

    Bytes out;
    putIconDirectory(out, CURSOR_TYPE, width, height, static_cast<uint16_t>(hotX),
                     static_cast<uint16_t>(hotY), 2, imageBytes);
    out.insert(out.end(), header.begin(), header.end());
    out.insert(out.end(), colour.begin(), colour.end());
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
    if (!WriteBytesToFile(path, bytes))
        throw std::runtime_error("cannot write " + path);
}

} // namespace kestro::tools

#include "renderer/image/bmp_decoder.h"

#include <array>

namespace kestro {

namespace {

constexpr size_t FILE_HEADER_BYTES = 14;
constexpr size_t INFO_HEADER_BYTES = 40;
constexpr uint32_t CORE_HEADER_SIZE = 12;
constexpr uint32_t COMPRESSION_RGB = 0;
constexpr uint32_t COMPRESSION_BITFIELDS = 3;
constexpr size_t MASK_BYTES = 3 * 4;
constexpr int PALETTE_ENTRY_COUNT = 256;
constexpr size_t PALETTE_ENTRY_BYTES = 4;
constexpr int32_t PALETTED_DEPTH_LIMIT = 16; // depths below this carry a palette
constexpr uint8_t OPAQUE_ALPHA = 255;

// Five-five-five layout assumed for 16-bit files without bit fields.
constexpr uint32_t RGB555_RED_MASK = 0x7C00;
constexpr uint32_t RGB555_GREEN_MASK = 0x03E0;
constexpr uint32_t RGB555_BLUE_MASK = 0x001F;

// Offsets inside the 14 + 40 header bytes.
constexpr size_t PIXEL_OFFSET_OFFSET = 10;
constexpr size_t HEADER_SIZE_OFFSET = 14;
constexpr size_t WIDTH_OFFSET = 18;
constexpr size_t HEIGHT_OFFSET = 22;
constexpr size_t DEPTH_OFFSET = 28;
constexpr size_t COMPRESSION_OFFSET = 30;
constexpr size_t IMAGE_SIZE_OFFSET = 34;
constexpr size_t COLOURS_USED_OFFSET = 46;

// A palette entry as the file stores it: blue, green, red, unused.
using PaletteEntry = std::array<uint8_t, PALETTE_ENTRY_BYTES>;
using Palette = std::array<PaletteEntry, PALETTE_ENTRY_COUNT>;

uint16_t readLe16(const uint8_t* bytes) {
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

uint32_t readLe32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) | (static_cast<uint32_t>(bytes[1]) << 8) |
           (static_cast<uint32_t>(bytes[2]) << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
}

bool isSupportedDepth(int32_t bits) {
    return bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

bool isSupportedDimension(int32_t value) {
    return value > 0 && value <= BMP_MAX_DIMENSION;
}

int64_t strideFor(int32_t width, int32_t bits) {
    return ((static_cast<int64_t>(width) * bits + 31) / 8) & ~int64_t{3};
}

// Position of the lowest set bit; only called with a non-zero mask.
int lowestSetBit(uint32_t mask) {
    int position = 0;
    while ((mask & 1u) == 0) {
        mask >>= 1;
        ++position;
    }
    return position;
}

int countSetBits(uint32_t mask) {
    int count = 0;
    for (; mask != 0; mask &= mask - 1)
        ++count;
    return count;
}

// Widens an n-bit component to 8 bits by repeating its high bits, so that
// all-ones stays all-ones; the low 8 bits of the result are kept.
uint8_t widenComponent(uint32_t v, int bits) {
    uint32_t wide = v;
    switch (bits) {
    case 1:
        wide = v != 0 ? 255u : 0u;
        break;
    case 2:
        wide = (v << 6) | (v << 4) | (v << 2) | v;
        break;
    case 3:
        wide = (v << 5) | (v << 2) | (v >> 1);
        break;
    case 4:
        wide = (v << 4) | v;
        break;
    case 5:
        wide = (v << 3) | (v >> 2);
        break;
    case 6:
        wide = (v << 2) | (v >> 4);
        break;
    case 7:
        wide = (v << 1) | (v >> 6);
        break;
    default:
        break;
    }
    return static_cast<uint8_t>(wide & 0xFFu);
}

struct MaskShape {
    uint32_t mask;
    int shift;
    int bits;
};

MaskShape shapeOf(uint32_t mask, bool shifted) {
    return MaskShape{mask, (shifted && mask != 0) ? lowestSetBit(mask) : 0, countSetBits(mask)};
}

uint8_t component(uint32_t word, const MaskShape& shape) {
    if (shape.mask == 0)
        return 0;
    return widenComponent((word & shape.mask) >> shape.shift, shape.bits);
}

// One opaque RGBA pixel.
void putPixel(uint8_t* out, uint8_t red, uint8_t green, uint8_t blue) {
    out[0] = red;
    out[1] = green;
    out[2] = blue;
    out[3] = OPAQUE_ALPHA;
}

// What the headers say, once they have been checked against each other.
struct BmpLayout {
    int32_t width = 0;
    int32_t height = 0;
    int32_t bits = 0;
    uint32_t redMask = 0;
    uint32_t greenMask = 0;
    uint32_t blueMask = 0;
    Palette palette{};
    size_t pixelOffset = 0;
    int64_t stride = 0;
};

// The one place that decides whether the stated sizes fit together: the
// conversion walks stride x height source bytes and width x height pixels,
// so the stated array must cover them; 32-bit pixels are taken over as they
// are, so there the array must be exactly that size.
bool pixelArrayFits(const BmpLayout& layout, int64_t arrayBytes) {
    const int64_t needed = layout.stride * layout.height;
    if (arrayBytes < needed)
        return false;
    return layout.bits != 32 || arrayBytes == needed;
}

bool readMasks(const uint8_t* bytes, size_t size, uint32_t compression, BmpLayout& layout) {
    if (compression != COMPRESSION_BITFIELDS) {
        layout.redMask = RGB555_RED_MASK;
        layout.greenMask = RGB555_GREEN_MASK;
        layout.blueMask = RGB555_BLUE_MASK;
        return true;
    }
    // The masks follow the 40-byte information header.
    const size_t at = FILE_HEADER_BYTES + INFO_HEADER_BYTES;
    if (size < at + MASK_BYTES)
        return false;
    layout.redMask = readLe32(bytes + at);
    layout.greenMask = readLe32(bytes + at + 4);
    layout.blueMask = readLe32(bytes + at + 8);
    return true;
}

bool readPalette(const uint8_t* bytes, size_t size, uint32_t headerSize, BmpLayout& layout) {
    uint32_t entries = readLe32(bytes + COLOURS_USED_OFFSET);
    if (entries == 0)
        entries = 1u << layout.bits;
    if (entries > PALETTE_ENTRY_COUNT)
        return false;
    // The palette follows the information header, whatever its size; for the
    // common 40-byte header that is offset 54. Entries the file does not
    // supply stay black.
    const size_t at =
        FILE_HEADER_BYTES + (headerSize > INFO_HEADER_BYTES ? headerSize : INFO_HEADER_BYTES);
    const size_t paletteBytes = entries * PALETTE_ENTRY_BYTES;
    if (at > size || size - at < paletteBytes)
        return false;
    for (uint32_t i = 0; i < entries; ++i) {
        const uint8_t* entry = bytes + at + i * PALETTE_ENTRY_BYTES;
        layout.palette[i] = {entry[0], entry[1], entry[2], entry[3]};
    }
    return true;
}

std::optional<BmpLayout> readLayout(const uint8_t* bytes, size_t size) {
    if (bytes == nullptr || size < FILE_HEADER_BYTES + INFO_HEADER_BYTES)
        return std::nullopt;
    if (bytes[0] != 'B' || bytes[1] != 'M')
        return std::nullopt;
    const uint32_t headerSize = readLe32(bytes + HEADER_SIZE_OFFSET);
    if (headerSize == CORE_HEADER_SIZE)
        return std::nullopt;

    BmpLayout layout;
    layout.width = static_cast<int32_t>(readLe32(bytes + WIDTH_OFFSET));
    layout.height = static_cast<int32_t>(readLe32(bytes + HEIGHT_OFFSET));
    layout.bits = readLe16(bytes + DEPTH_OFFSET);
    if (!isSupportedDimension(layout.width) || !isSupportedDimension(layout.height) ||
        !isSupportedDepth(layout.bits))
        return std::nullopt;
    const uint32_t compression = readLe32(bytes + COMPRESSION_OFFSET);
    if (compression != COMPRESSION_RGB && compression != COMPRESSION_BITFIELDS)
        return std::nullopt;
    if (layout.bits == 16 && !readMasks(bytes, size, compression, layout))
        return std::nullopt;
    if (layout.bits < PALETTED_DEPTH_LIMIT && !readPalette(bytes, size, headerSize, layout))
        return std::nullopt;

    layout.stride = strideFor(layout.width, layout.bits);
    const uint32_t statedArrayBytes = readLe32(bytes + IMAGE_SIZE_OFFSET);
    const int64_t arrayBytes =
        statedArrayBytes != 0 ? statedArrayBytes : layout.stride * layout.height;
    if (arrayBytes > INT32_MAX || !pixelArrayFits(layout, arrayBytes))
        return std::nullopt;
    // The whole stated array must be there, so a tiny file cannot make the
    // reader reserve a huge buffer.
    const uint32_t pixelOffset = readLe32(bytes + PIXEL_OFFSET_OFFSET);
    if (pixelOffset > size || static_cast<int64_t>(size - pixelOffset) < arrayBytes)
        return std::nullopt;
    layout.pixelOffset = pixelOffset;
    return layout;
}

// Converts each stored row with convertRow (stored row in, RGBA row out).
template <typename ConvertRow>
RgbaImage convertRows(const uint8_t* pixelArray, const BmpLayout& layout, ConvertRow convertRow) {
    RgbaImage image;
    image.width = layout.width;
    image.height = layout.height;
    const size_t outStride = static_cast<size_t>(layout.width) * RGBA_BYTES;
    image.pixels.resize(outStride * static_cast<size_t>(layout.height));
    for (int32_t row = 0; row < layout.height; ++row) {
        convertRow(pixelArray + static_cast<size_t>(row) * static_cast<size_t>(layout.stride),
                   image.pixels.data() + static_cast<size_t>(row) * outStride);
    }
    return image;
}

RgbaImage decodePixels(const uint8_t* in, const BmpLayout& layout) {
    const int32_t width = layout.width;
    switch (layout.bits) {
    case 32:
        // Blue, green, red, unused: red and blue trade places, alpha is opaque.
        return convertRows(in, layout, [width](const uint8_t* from, uint8_t* out) {
            for (int32_t x = 0; x < width; ++x, from += 4, out += RGBA_BYTES)
                putPixel(out, from[2], from[1], from[0]);
        });
    case 24:
        return convertRows(in, layout, [width](const uint8_t* from, uint8_t* out) {
            for (int32_t x = 0; x < width; ++x, from += 3, out += RGBA_BYTES)
                putPixel(out, from[2], from[1], from[0]);
        });
    case 16: {
        const MaskShape red = shapeOf(layout.redMask, true);
        const MaskShape green = shapeOf(layout.greenMask, true);
        // Blue is taken to start at bit 0, as in the 5-5-5 and 5-6-5 layouts.
        const MaskShape blue = shapeOf(layout.blueMask, false);
        return convertRows(in, layout, [&](const uint8_t* from, uint8_t* out) {
            for (int32_t x = 0; x < width; ++x, from += 2, out += RGBA_BYTES) {
                const uint32_t word = readLe16(from);
                putPixel(out, component(word, red), component(word, green), component(word, blue));
            }
        });
    }
    case 8:
        return convertRows(in, layout, [&](const uint8_t* from, uint8_t* out) {
            for (int32_t x = 0; x < width; ++x, out += RGBA_BYTES) {
                const PaletteEntry& colour = layout.palette[from[x]];
                putPixel(out, colour[2], colour[1], colour[0]);
            }
        });
    default:
        // Four bits: two pixels a byte, the left one in the high half; an odd
        // width leaves the row's last byte half used.
        return convertRows(in, layout, [&](const uint8_t* from, uint8_t* out) {
            for (int32_t x = 0; x < width; ++x, out += RGBA_BYTES) {
                const uint8_t pair = from[x / 2];
                const uint8_t index = static_cast<uint8_t>(x % 2 == 0 ? pair >> 4 : pair & 0x0F);
                const PaletteEntry& colour = layout.palette[index];
                putPixel(out, colour[2], colour[1], colour[0]);
            }
        });
    }
}

} // namespace

std::optional<RgbaImage> decodeBmp(const uint8_t* bytes, size_t size) {
    const std::optional<BmpLayout> layout = readLayout(bytes, size);
    if (!layout)
        return std::nullopt;
    return decodePixels(bytes + layout->pixelOffset, *layout);
}

} // namespace kestro

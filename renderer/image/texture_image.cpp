// Reading a Windows bitmap into RGBA pixels. The file's numbers are never
// trusted: every size it states is checked against the buffers before a
// byte is read or written, so a damaged or hostile file is simply refused.

#include "renderer/image/texture_image.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace kestro {

namespace {

constexpr int FILE_HEADER_BYTES = 14;
constexpr int INFO_HEADER_BYTES = 40;
constexpr int32_t CORE_HEADER_SIZE = 12;
constexpr uint32_t COMPRESSION_RGB = 0;
constexpr uint32_t COMPRESSION_BITFIELDS = 3;
constexpr int MASK_COUNT = 3;
constexpr int PALETTED_DEPTH_LIMIT = 16; // depths below this carry a palette
constexpr uint8_t OPAQUE_ALPHA = 255;

// Five-five-five layout assumed for 16-bit files without bit fields.
constexpr uint32_t RGB555_RED_MASK = 0x7C00;
constexpr uint32_t RGB555_GREEN_MASK = 0x03E0;
constexpr uint32_t RGB555_BLUE_MASK = 0x001F;

// Offsets inside the 14 + 40 header bytes.
constexpr int SIGNATURE_OFFSET = 0;
constexpr int PIXEL_OFFSET_OFFSET = 10;
constexpr int HEADER_SIZE_OFFSET = 14;
constexpr int WIDTH_OFFSET = 18;
constexpr int HEIGHT_OFFSET = 22;
constexpr int DEPTH_OFFSET = 28;
constexpr int COMPRESSION_OFFSET = 30;
constexpr int IMAGE_SIZE_OFFSET = 34;
constexpr int COLOURS_USED_OFFSET = 46;

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

bool endsWithBmp(const char* path) {
    if (path == nullptr)
        return false;
    const size_t length = std::strlen(path);
    if (length < 3)
        return false;
    const char* ending = path + length - 3;
    const char expected[] = "bmp";
    for (int i = 0; i < 3; ++i) {
        char c = ending[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != expected[i])
            return false;
    }
    return true;
}

// Bytes from the given position to the end of the file, or -1 when the
// stream cannot tell.
int64_t bytesFrom(FILE* file, uint32_t position) {
    if (std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    const long end = std::ftell(file);
    if (end < 0)
        return -1;
    return static_cast<int64_t>(end) - static_cast<int64_t>(position);
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

// The one place that decides whether the stated sizes fit together: the
// decoders walk stride x height source bytes and width x height pixels, so
// both must be covered by what is read and allocated.
bool pixelArrayFits(int32_t width, int32_t height, int32_t bits, int32_t imageSize) {
    if (!isSupportedDimension(width) || !isSupportedDimension(height))
        return false;
    if (!isSupportedDepth(bits))
        return false;
    const int64_t needed = strideFor(width, bits) * height;
    if (imageSize < needed)
        return false;
    // 32-bit pixels are read straight into the RGBA buffer, which holds
    // exactly stride x height bytes at that depth.
    if (bits == 32 && imageSize > needed)
        return false;
    return true;
}

// Seeks from the start of the file; offsets the stream cannot express fail.
bool seekTo(FILE* file, int64_t offset) {
    if (offset < 0 || offset > LONG_MAX)
        return false;
    return std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0;
}

// One opaque RGBA pixel.
void putPixel(uint8_t* out, uint8_t red, uint8_t green, uint8_t blue) {
    out[0] = red;
    out[1] = green;
    out[2] = blue;
    out[3] = OPAQUE_ALPHA;
}

} // namespace

TextureImage::TextureImage()
    : textureName(0), width(0), height(0), bitsPerPixel(0), pixels(nullptr), palette{}, redMask(0),
      greenMask(0), blueMask(0), imageSize(0) {}

TextureImage::~TextureImage() {
    releasePixels();
    deleteTexture();
}

void TextureImage::releasePixels() {
    std::free(pixels);
    pixels = nullptr;
}

bool TextureImage::allocatePixels() {
    releasePixels();
    if (!isSupportedDimension(width) || !isSupportedDimension(height))
        return false;
    const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * RGBA_BYTES;
    pixels = static_cast<uint8_t*>(std::malloc(bytes));
    return pixels != nullptr;
}

int32_t TextureImage::rowStride() const {
    return static_cast<int32_t>(strideFor(width, bitsPerPixel));
}

uint8_t* TextureImage::readPixelArray(FILE* file) const {
    if (!pixelArrayFits(width, height, bitsPerPixel, imageSize))
        return nullptr;
    auto* buffer = static_cast<uint8_t*>(std::malloc(static_cast<size_t>(imageSize)));
    if (buffer == nullptr)
        return nullptr;
    if (std::fread(buffer, 1, static_cast<size_t>(imageSize), file) !=
        static_cast<size_t>(imageSize)) {
        std::free(buffer);
        return nullptr;
    }
    return buffer;
}

bool TextureImage::load(const char* path) {
    releasePixels();
    if (!endsWithBmp(path))
        return false;
    return readBmp(path);
}

bool TextureImage::readBmp(const char* path) {
    releasePixels();
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr)
        return false;

    uint8_t header[FILE_HEADER_BYTES + INFO_HEADER_BYTES] = {};
    auto fail = [file]() {
        std::fclose(file);
        return false;
    };
    if (std::fread(header, 1, FILE_HEADER_BYTES, file) != FILE_HEADER_BYTES)
        return fail();
    if (header[SIGNATURE_OFFSET] != 'B' || header[SIGNATURE_OFFSET + 1] != 'M')
        return fail();
    if (std::fread(header + FILE_HEADER_BYTES, 1, INFO_HEADER_BYTES, file) != INFO_HEADER_BYTES)
        return fail();
    const uint32_t headerSize = readLe32(header + HEADER_SIZE_OFFSET);
    if (headerSize == CORE_HEADER_SIZE)
        return fail();

    width = static_cast<int32_t>(readLe32(header + WIDTH_OFFSET));
    height = static_cast<int32_t>(readLe32(header + HEIGHT_OFFSET));
    bitsPerPixel = readLe16(header + DEPTH_OFFSET);
    if (!isSupportedDimension(width) || !isSupportedDimension(height))
        return fail();
    if (!isSupportedDepth(bitsPerPixel))
        return fail();

    const uint32_t compression = readLe32(header + COMPRESSION_OFFSET);
    if (compression != COMPRESSION_RGB && compression != COMPRESSION_BITFIELDS)
        return fail();
    if (bitsPerPixel == 16) {
        if (compression == COMPRESSION_BITFIELDS) {
            uint8_t masks[MASK_COUNT * 4];
            if (std::fread(masks, 1, sizeof masks, file) != sizeof masks)
                return fail();
            redMask = readLe32(masks);
            greenMask = readLe32(masks + 4);
            blueMask = readLe32(masks + 8);
        } else {
            redMask = RGB555_RED_MASK;
            greenMask = RGB555_GREEN_MASK;
            blueMask = RGB555_BLUE_MASK;
        }
    }

    if (bitsPerPixel < PALETTED_DEPTH_LIMIT) {
        uint32_t entries = readLe32(header + COLOURS_USED_OFFSET);
        if (entries == 0)
            entries = 1u << bitsPerPixel;
        if (entries > PALETTE_ENTRY_COUNT)
            return fail();
        // The palette follows the information header, whatever its size;
        // for the common 40-byte header that is offset 54.
        const int64_t paletteOffset =
            FILE_HEADER_BYTES + (headerSize > INFO_HEADER_BYTES ? headerSize : INFO_HEADER_BYTES);
        if (!seekTo(file, paletteOffset))
            return fail();
        std::memset(palette, 0, sizeof palette);
        const size_t paletteBytes = entries * sizeof(BmpPaletteEntry);
        if (std::fread(palette, 1, paletteBytes, file) != paletteBytes)
            return fail();
    }

    const uint32_t pixelOffset = readLe32(header + PIXEL_OFFSET_OFFSET);
    const uint32_t statedImageSize = readLe32(header + IMAGE_SIZE_OFFSET);
    const int64_t neededBytes = static_cast<int64_t>(rowStride()) * height;
    const int64_t arrayBytes = statedImageSize != 0 ? statedImageSize : neededBytes;
    if (arrayBytes > INT32_MAX)
        return fail();
    imageSize = static_cast<int32_t>(arrayBytes);
    if (!pixelArrayFits(width, height, bitsPerPixel, imageSize))
        return fail();
    // Refuse before allocating when the file cannot hold the stated array,
    // so a tiny file cannot make the reader reserve a huge buffer.
    const int64_t available = bytesFrom(file, pixelOffset);
    if (available < imageSize)
        return fail();
    if (!seekTo(file, pixelOffset))
        return fail();

    switch (bitsPerPixel) {
    case 32:
        decode32(file);
        break;
    case 24:
        decode24(file);
        break;
    case 16:
        decode16(file);
        break;
    case 8:
        decode8(file);
        break;
    case 4:
        decode4(file);
        break;
    default:
        break;
    }
    std::fclose(file);
    return pixels != nullptr;
}

bool TextureImage::decode32(FILE* file) {
    if (!pixelArrayFits(width, height, 32, imageSize) || !allocatePixels())
        return false;
    if (std::fread(pixels, 1, static_cast<size_t>(imageSize), file) !=
        static_cast<size_t>(imageSize)) {
        releasePixels();
        return false;
    }
    swapRedBlue();
    fillAlpha(OPAQUE_ALPHA);
    return true;
}

bool TextureImage::decode24(FILE* file) {
    uint8_t* source = readPixelArray(file);
    if (source == nullptr)
        return false;
    if (allocatePixels())
        expandRgb24(source, rowStride() - 3 * width, true);
    std::free(source);
    if (pixels == nullptr)
        return false;
    bitsPerPixel = 32;
    return true;
}

template <typename ConvertRow>
bool TextureImage::convertPixelArray(FILE* file, ConvertRow convertRow) {
    uint8_t* source = readPixelArray(file);
    if (source == nullptr)
        return false;
    const bool allocated = allocatePixels();
    if (allocated) {
        const size_t sourceStride = static_cast<size_t>(rowStride());
        const size_t pixelStride = static_cast<size_t>(width) * RGBA_BYTES;
        for (int32_t row = 0; row < height; ++row) {
            convertRow(source + static_cast<size_t>(row) * sourceStride,
                       pixels + static_cast<size_t>(row) * pixelStride);
        }
        bitsPerPixel = 32;
    }
    std::free(source);
    return allocated;
}

bool TextureImage::decode16(FILE* file) {
    const MaskShape red = shapeOf(redMask, true);
    const MaskShape green = shapeOf(greenMask, true);
    // Blue is taken to start at bit 0, as in the 5-5-5 and 5-6-5 layouts.
    const MaskShape blue = shapeOf(blueMask, false);
    return convertPixelArray(file, [&](const uint8_t* in, uint8_t* out) {
        for (int32_t column = 0; column < width; ++column, in += 2, out += RGBA_BYTES) {
            const uint32_t word = readLe16(in);
            putPixel(out, component(word, red), component(word, green), component(word, blue));
        }
    });
}

bool TextureImage::decode8(FILE* file) {
    return convertPixelArray(file, [&](const uint8_t* in, uint8_t* out) {
        for (int32_t column = 0; column < width; ++column, out += RGBA_BYTES) {
            const BmpPaletteEntry& colour = palette[in[column]];
            putPixel(out, colour.red, colour.green, colour.blue);
        }
    });
}

bool TextureImage::decode4(FILE* file) {
    // Two pixels a byte, the left one in the high half; an odd width leaves
    // the row's last byte half used.
    return convertPixelArray(file, [&](const uint8_t* in, uint8_t* out) {
        for (int32_t column = 0; column < width; ++column, out += RGBA_BYTES) {
            const uint8_t pair = in[column / 2];
            const uint8_t index = static_cast<uint8_t>(column % 2 == 0 ? pair >> 4 : pair & 0x0F);
            const BmpPaletteEntry& colour = palette[index];
            putPixel(out, colour.red, colour.green, colour.blue);
        }
    });
}

void TextureImage::swapRedBlue() {
    if (pixels == nullptr)
        return;
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    for (size_t i = 0; i < count; ++i) {
        uint8_t* pixel = pixels + i * RGBA_BYTES;
        const uint8_t first = pixel[0];
        pixel[0] = pixel[2];
        pixel[2] = first;
    }
}

void TextureImage::fillAlpha(uint8_t value) {
    if (pixels == nullptr)
        return;
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    for (size_t i = 0; i < count; ++i)
        pixels[i * RGBA_BYTES + 3] = value;
}

void TextureImage::expandRgb24(const uint8_t* source, int32_t rowSkip, bool exchange) {
    if (pixels == nullptr || source == nullptr)
        return;
    uint8_t* out = pixels;
    for (int32_t row = 0; row < height; ++row) {
        for (int32_t column = 0; column < width; ++column) {
            putPixel(out, exchange ? source[2] : source[0], source[1],
                     exchange ? source[0] : source[2]);
            source += 3;
            out += RGBA_BYTES;
        }
        source += rowSkip;
    }
}

bool TextureImage::flipVertical() {
    if (pixels == nullptr)
        return false;
    const size_t rowBytes = static_cast<size_t>(width) * RGBA_BYTES;
    auto* spare = static_cast<uint8_t*>(std::malloc(rowBytes));
    if (spare == nullptr)
        return false;
    for (int32_t i = 0; i < height / 2; ++i) {
        uint8_t* upper = pixels + static_cast<size_t>(i) * rowBytes;
        uint8_t* lower = pixels + static_cast<size_t>(height - 1 - i) * rowBytes;
        std::memcpy(spare, upper, rowBytes);
        std::memcpy(upper, lower, rowBytes);
        std::memcpy(lower, spare, rowBytes);
    }
    std::free(spare);
    return true;
}

} // namespace kestro

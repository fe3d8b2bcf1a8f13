#pragma once
// The one writer of Windows bitmap files: every picture the tools generate,
// the fuzzer's seeds and the tests' hand-made files go through it. A layout
// states every header field as it is to be stored, so a test can also write
// the files a reader must refuse.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kestro::tools {

using Bytes = std::vector<uint8_t>;

constexpr uint32_t BMP_FILE_HEADER_SIZE = 14;
constexpr uint32_t BMP_INFO_HEADER_SIZE = 40;

struct BmpLayout {
    int32_t width = 1;
    int32_t height = 1; // positive: rows stored bottom-up
    uint16_t bitsPerPixel = 24;
    uint32_t compression = 0;
    uint32_t headerSize = BMP_INFO_HEADER_SIZE;
    // 0 in the file is allowed; -1 here means "write stride x height".
    int64_t imageSizeField = 0;
    int32_t pixelsPerMetre = 0; // both directions; 0 leaves the resolution open
    uint32_t coloursUsed = 0;
    // Written straight after the 40 header bytes (bit-field masks), then the
    // padding up to 14 + headerSize, then the palette.
    std::vector<uint32_t> masks;
    // Blue, green, red, reserved per entry.
    std::vector<uint32_t> paletteBgr;
    // The pixel array exactly as stored (rows bottom-up, padded).
    Bytes pixelArray;
    // -1: straight after the palette.
    int64_t pixelOffset = -1;
    // false: state pixelOffset but put the pixel array straight after the
    // palette anyway, so the stated offset can point past the end.
    bool padToPixelOffset = true;
    char signature[2] = {'B', 'M'};
};

// Little-endian fields, as every Windows picture file stores them.
void AppendLe16(Bytes& out, uint32_t value);
void AppendLe32(Bytes& out, uint32_t value);

// Bytes of one stored row: width pixels of the given depth, padded to 32 bits.
uint32_t BmpStride(int32_t width, int bitsPerPixel);

// The info header with its masks and palette: how an icon or a cursor
// stores each of its images.
Bytes BmpInfoHeaderBytes(const BmpLayout& layout);

// The whole file: file header, info header, masks, palette, pixel array.
Bytes BmpFileBytes(const BmpLayout& layout);

struct BmpRgb {
    uint8_t red = 0, green = 0, blue = 0;
};

// A 24-bit uncompressed file of width x height pixels; pixelAt(x, y) counts
// rows from the top. The image size field holds the pixel array's size.
Bytes Bmp24File(int32_t width, int32_t height, const std::function<BmpRgb(int, int)>& pixelAt,
                int32_t pixelsPerMetre = 0);

// Writes the bytes to a new file; false when it could not.
bool WriteBytesToFile(const std::string& path, const Bytes& bytes);

} // namespace kestro::tools

// Writes the BMP fuzzer's seed corpus: one small valid bitmap for each form
// the reader accepts. The files are kept under corpus/; a test checks that
// they still come out of the writer byte for byte.
//
//     make_bmp_fuzz_seeds <output folder>

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "tools/bitmap/bmp_writer.h"

namespace kestro::tools {
namespace {

// The resolution the seeds state: 72 dots per inch.
constexpr int32_t SEED_PIXELS_PER_METRE = 2835;
constexpr uint32_t BI_BITFIELDS = 3;
constexpr uint32_t V4_HEADER_SIZE = 108;

struct Seed {
    const char* fileName;
    BmpLayout layout;
};

// Rows as stored (bottom row first), each padded to 32 bits; the image size
// field states the pixel array's size unless imageSizeField says otherwise.
BmpLayout seedLayout(int32_t width, int32_t height, uint16_t bits, const std::vector<Bytes>& rows) {
    BmpLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitsPerPixel = bits;
    layout.pixelsPerMetre = SEED_PIXELS_PER_METRE;
    for (const Bytes& row : rows) {
        Bytes padded = row;
        padded.resize(BmpStride(width, bits), 0);
        layout.pixelArray.insert(layout.pixelArray.end(), padded.begin(), padded.end());
    }
    layout.imageSizeField = static_cast<int64_t>(layout.pixelArray.size());
    return layout;
}

Bytes sixteenBitRow(std::initializer_list<uint16_t> pixels) {
    Bytes row;
    for (uint16_t pixel : pixels)
        AppendLe16(row, pixel);
    return row;
}

Bytes counting(uint8_t from, uint8_t to) {
    Bytes bytes;
    for (int value = from; value < to; ++value)
        bytes.push_back(static_cast<uint8_t>(value));
    return bytes;
}

// A 32 x 32 grey glow, darker by 16 for each whole pixel from the middle.
std::vector<Bytes> glowRows() {
    std::vector<Bytes> rows;
    for (int y = 0; y < 32; ++y) {
        Bytes row;
        for (int x = 0; x < 32; ++x) {
            const int distance =
                static_cast<int>(std::sqrt((x - 15.5) * (x - 15.5) + (y - 15.5) * (y - 15.5)));
            const uint8_t grey = static_cast<uint8_t>(std::max(0, 255 - 16 * distance));
            row.insert(row.end(), {grey, grey, grey});
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<Seed> seeds() {
    std::vector<Seed> all;

    BmpLayout fourBitOddWidth = seedLayout(5, 2, 4, {{0x12, 0x34, 0x50}, {0xfe, 0xdc, 0xb0}});
    for (uint32_t i = 0; i < 16; ++i)
        fourBitOddWidth.paletteBgr.push_back(i * 0x111111);
    all.push_back({"four_bit_odd_width.bmp", fourBitOddWidth});

    BmpLayout fourBitThreeColours = seedLayout(3, 1, 4, {{0x01, 0x20}});
    fourBitThreeColours.paletteBgr = {0xff0000, 0xff00, 0xff};
    fourBitThreeColours.coloursUsed = 3;
    all.push_back({"four_bit_three_colours.bmp", fourBitThreeColours});

    BmpLayout eightBit = seedLayout(3, 2, 8, {{0x00, 0x01, 0x02}, {0x03, 0x02, 0x01}});
    eightBit.paletteBgr = {0, 0xffffff, 0x808080, 0x123456};
    eightBit.coloursUsed = 4;
    all.push_back({"eight_bit.bmp", eightBit});

    BmpLayout eightBitV4 = seedLayout(2, 1, 8, {{0x00, 0x01}});
    eightBitV4.headerSize = V4_HEADER_SIZE;
    eightBitV4.paletteBgr = {0x112233, 0x445566};
    eightBitV4.coloursUsed = 2;
    all.push_back({"eight_bit_v4_header.bmp", eightBitV4});

    all.push_back(
        {"sixteen_bit_555.bmp", seedLayout(3, 1, 16, {sixteenBitRow({0x7c00, 0x03e0, 0x001f})})});

    BmpLayout sixteenBit565 =
        seedLayout(2, 2, 16, {sixteenBitRow({0xf800, 0x07e0}), sixteenBitRow({0x001f, 0xffff})});
    sixteenBit565.compression = BI_BITFIELDS;
    sixteenBit565.masks = {0xf800, 0x07e0, 0x001f};
    all.push_back({"sixteen_bit_565.bmp", sixteenBit565});

    BmpLayout twentyFourBit = seedLayout(3, 2, 24, {counting(0, 9), counting(9, 18)});
    twentyFourBit.imageSizeField = 0;
    all.push_back({"twenty_four_bit_width_3.bmp", twentyFourBit});

    all.push_back({"thirty_two_bit.bmp", seedLayout(2, 2, 32, {counting(0, 8), counting(8, 16)})});

    BmpLayout sprite = seedLayout(32, 32, 24, glowRows());
    sprite.imageSizeField = 0;
    all.push_back({"sprite_32x32.bmp", sprite});
    return all;
}

} // namespace
} // namespace kestro::tools

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    for (const auto& seed : kestro::tools::seeds()) {
        const std::string path = std::string(argv[1]) + "/" + seed.fileName;
        if (!kestro::tools::WriteBytesToFile(path, kestro::tools::BmpFileBytes(seed.layout))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}

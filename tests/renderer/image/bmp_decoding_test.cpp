// Decoding of well-formed bitmaps at each depth, checked pixel by pixel, and
// the file read behind TextureImage::load.

#include <gtest/gtest.h>

#include <array>

#include "renderer/image/bmp_decoder.h"
#include "renderer/image/texture_image.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/sprite_layout_file.h"

namespace kestro {
namespace {

using tools::BmpFileBytes;
using tools::BmpLayout;
using Rgba = std::array<int, 4>;

Rgba pixelAt(const uint8_t* pixels, int width, int x, int row) {
    const uint8_t* p = pixels + (static_cast<size_t>(row) * width + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

Rgba pixelAt(const RgbaImage& image, int x, int row) {
    return pixelAt(image.pixels.data(), image.width, x, row);
}

class BmpDecoding : public ::testing::Test {
  protected:
    bool loadLayout(const BmpLayout& layout) { return decode(BmpFileBytes(layout)); }
    bool decode(const std::vector<uint8_t>& bytes) {
        decoded = decodeBmp(bytes.data(), bytes.size());
        if (decoded)
            image = *decoded;
        return decoded.has_value();
    }
    std::optional<RgbaImage> decoded;
    RgbaImage image;
};

TEST_F(BmpDecoding, FourBitOddWidthUsesHalfOfTheLastByteAndSkipsThePadding) {
    BmpLayout layout;
    layout.width = 5;
    layout.height = 2;
    layout.bitsPerPixel = 4;
    for (uint32_t i = 0; i < 16; ++i)
        layout.paletteBgr.push_back((i * 3) | (i * 5) << 8 | i << 16);
    // Stride 4: three bytes of pixels (the last one half used) and one pad.
    layout.pixelArray = {0x12, 0x34, 0x5F, 0xEE, 0xFE, 0xDC, 0xBA, 0x99};
    ASSERT_TRUE(loadLayout(layout));
    EXPECT_EQ(image.width, 5);
    EXPECT_EQ(image.height, 2);
    const int bottom[5] = {1, 2, 3, 4, 5};
    const int top[5] = {15, 14, 13, 12, 11};
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(pixelAt(image, x, 0), (Rgba{bottom[x], bottom[x] * 5, bottom[x] * 3, 255}));
        EXPECT_EQ(pixelAt(image, x, 1), (Rgba{top[x], top[x] * 5, top[x] * 3, 255}));
    }
}

TEST_F(BmpDecoding, EightBitWithZeroColoursUsedReadsAFullPalette) {
    BmpLayout layout;
    layout.width = 3;
    layout.height = 1;
    layout.bitsPerPixel = 8;
    layout.coloursUsed = 0;
    for (uint32_t i = 0; i < 256; ++i)
        layout.paletteBgr.push_back(i | (255 - i) << 8 | (i / 2) << 16);
    layout.pixelArray = {0, 255, 128, 0x77};
    ASSERT_TRUE(loadLayout(layout));
    EXPECT_EQ(pixelAt(image, 0, 0), (Rgba{0, 255, 0, 255}));
    EXPECT_EQ(pixelAt(image, 1, 0), (Rgba{127, 0, 255, 255}));
    EXPECT_EQ(pixelAt(image, 2, 0), (Rgba{64, 127, 128, 255}));
}

TEST_F(BmpDecoding, PaletteEntriesTheFileDoesNotSupplyAreBlackEvenAfterAnEarlierFile) {
    BmpLayout full;
    full.width = 1;
    full.bitsPerPixel = 8;
    for (uint32_t i = 0; i < 256; ++i)
        full.paletteBgr.push_back(0x00FFFFFF);
    full.pixelArray = {200, 0, 0, 0};
    ASSERT_TRUE(loadLayout(full));
    ASSERT_EQ(pixelAt(image, 0, 0), (Rgba{255, 255, 255, 255}));

    BmpLayout two = full;
    two.coloursUsed = 2;
    two.paletteBgr = {0x000000FF, 0x0000FF00};
    two.pixelArray = {200, 0, 0, 0};
    ASSERT_TRUE(loadLayout(two));
    EXPECT_EQ(pixelAt(image, 0, 0), (Rgba{0, 0, 0, 255}));
}

TEST_F(BmpDecoding, PaletteFollowsALongerInformationHeader) {
    BmpLayout layout;
    layout.width = 2;
    layout.bitsPerPixel = 8;
    layout.headerSize = 108;
    layout.coloursUsed = 2;
    layout.paletteBgr = {0x00112233, 0x00445566};
    layout.pixelArray = {1, 0, 0, 0};
    ASSERT_TRUE(loadLayout(layout));
    EXPECT_EQ(pixelAt(image, 0, 0), (Rgba{0x44, 0x55, 0x66, 255}));
    EXPECT_EQ(pixelAt(image, 1, 0), (Rgba{0x11, 0x22, 0x33, 255}));
}

std::vector<uint8_t> words(std::initializer_list<uint16_t> values) {
    std::vector<uint8_t> bytes;
    for (uint16_t v : values)
        tools::AppendLe16(bytes, v);
    return bytes;
}

TEST_F(BmpDecoding, SixteenBitWithoutBitFieldsIsFiveFiveFive) {
    BmpLayout layout;
    layout.width = 3;
    layout.height = 1;
    layout.bitsPerPixel = 16;
    layout.pixelArray = words({0x7C00, 0x03E0, 0x0010, 0xBEEF}); // three pixels + pad
    ASSERT_TRUE(loadLayout(layout));
    EXPECT_EQ(pixelAt(image, 0, 0), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(pixelAt(image, 1, 0), (Rgba{0, 255, 0, 255}));
    // 5-bit 16 widens to (16 << 3) | (16 >> 2) = 132.
    EXPECT_EQ(pixelAt(image, 2, 0), (Rgba{0, 0, 132, 255}));
}

TEST_F(BmpDecoding, SixteenBitFiveSixFiveBitFieldsWidenGreenFromSixBits) {
    BmpLayout layout;
    layout.width = 2;
    layout.height = 2;
    layout.bitsPerPixel = 16;
    layout.compression = 3;
    layout.masks = {0xF800, 0x07E0, 0x001F};
    layout.pixelArray = words({0xF800, 0x07E0, 0x0400, 0x0841});
    ASSERT_TRUE(loadLayout(layout));
    EXPECT_EQ(pixelAt(image, 0, 0), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(pixelAt(image, 1, 0), (Rgba{0, 255, 0, 255}));
    // Green 32 of 6 bits: (32 << 2) | (32 >> 4) = 130.
    EXPECT_EQ(pixelAt(image, 0, 1), (Rgba{0, 130, 0, 255}));
    // 0x0841: red 1, green 2, blue 1 -> 8, 8, 8.
    EXPECT_EQ(pixelAt(image, 1, 1), (Rgba{8, 8, 8, 255}));
}

TEST_F(BmpDecoding, SixteenBitFourBitComponentsRepeatTheirNibble) {
    BmpLayout layout;
    layout.width = 2;
    layout.bitsPerPixel = 16;
    layout.compression = 3;
    layout.masks = {0x0F00, 0x00F0, 0x000F};
    layout.pixelArray = words({0x0A5F, 0x0000});
    ASSERT_TRUE(loadLayout(layout));
    EXPECT_EQ(pixelAt(image, 0, 0), (Rgba{0xAA, 0x55, 0xFF, 255}));
    EXPECT_EQ(pixelAt(image, 1, 0), (Rgba{0, 0, 0, 255}));
}

TEST_F(BmpDecoding, TwentyFourBitWidthThreeSkipsThreePadBytesPerRow) {
    BmpLayout layout;
    layout.width = 3;
    layout.height = 2;
    layout.bitsPerPixel = 24;
    layout.pixelArray = {1,  2,  3,  4,  5,  6,  7,  8,  9,  0xEE, 0xEE, 0xEE,
                         11, 12, 13, 14, 15, 16, 17, 18, 19, 0xEE, 0xEE, 0xEE};
    ASSERT_TRUE(loadLayout(layout));
    EXPECT_EQ(pixelAt(image, 0, 0), (Rgba{3, 2, 1, 255}));
    EXPECT_EQ(pixelAt(image, 2, 0), (Rgba{9, 8, 7, 255}));
    EXPECT_EQ(pixelAt(image, 0, 1), (Rgba{13, 12, 11, 255}));
    EXPECT_EQ(pixelAt(image, 2, 1), (Rgba{19, 18, 17, 255}));
}

TEST_F(BmpDecoding, TwentyFourBitImageSizeLargerThanNeededIsAccepted) {
    BmpLayout layout;
    layout.width = 1;
    layout.bitsPerPixel = 24;
    layout.imageSizeField = 8;
    layout.pixelArray = {1, 2, 3, 0, 9, 9, 9, 9};
    ASSERT_TRUE(loadLayout(layout));
    EXPECT_EQ(pixelAt(image, 0, 0), (Rgba{3, 2, 1, 255}));
}

TEST_F(BmpDecoding, ThirtyTwoBitSwapsRedAndBlueAndMakesEveryPixelOpaque) {
    BmpLayout layout;
    layout.width = 2;
    layout.height = 2;
    layout.bitsPerPixel = 32;
    layout.compression = 3; // masks are not applied at this depth
    layout.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    layout.pixelArray = {10, 20, 30, 0, 40, 50, 60, 7, 70, 80, 90, 128, 1, 2, 3, 255};
    ASSERT_TRUE(loadLayout(layout));
    EXPECT_EQ(pixelAt(image, 0, 0), (Rgba{30, 20, 10, 255}));
    EXPECT_EQ(pixelAt(image, 1, 0), (Rgba{60, 50, 40, 255}));
    EXPECT_EQ(pixelAt(image, 0, 1), (Rgba{90, 80, 70, 255}));
    EXPECT_EQ(pixelAt(image, 1, 1), (Rgba{3, 2, 1, 255}));
}

TEST_F(BmpDecoding, SpriteLayoutDecodesWithImageSizeZeroOrStated) {
    for (uint32_t stated : {0u, 3072u}) {
        SCOPED_TRACE(stated);
        const auto bytes = testing::spriteLayoutFile(stated);
        ASSERT_EQ(bytes.size(), 3126u);
        ASSERT_TRUE(decode(bytes));
        EXPECT_EQ(image.width, 32);
        EXPECT_EQ(image.height, 32);
        EXPECT_EQ(image.pixels.size(), 32u * 32 * 4);
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                ASSERT_EQ(pixelAt(image, x, y), (Rgba{x ^ y, y * 8, x * 8, 255})) << x << "," << y;
            }
        }
    }
}

TEST_F(BmpDecoding, FlipVerticalPutsTheTopRowFirst) {
    BmpLayout layout;
    layout.width = 1;
    layout.height = 3;
    layout.bitsPerPixel = 24;
    layout.pixelArray = {1, 1, 1, 0, 2, 2, 2, 0, 3, 3, 3, 0};
    ASSERT_TRUE(loadLayout(layout));
    flipRows(image);
    EXPECT_EQ(pixelAt(image, 0, 0), (Rgba{3, 3, 3, 255}));
    EXPECT_EQ(pixelAt(image, 0, 1), (Rgba{2, 2, 2, 255}));
    EXPECT_EQ(pixelAt(image, 0, 2), (Rgba{1, 1, 1, 255}));
}

class ImageFile : public ::testing::Test {
  protected:
    testing::ScratchFolder scratch;
    TextureImage image;
};

TEST_F(ImageFile, LoadReadsTheFileDecodesItAndFlipsOnRequest) {
    BmpLayout layout;
    layout.width = 1;
    layout.height = 2;
    layout.pixelArray = {1, 2, 3, 0, 4, 5, 6, 0};
    const std::string path = scratch.path("two_rows.bmp");
    ASSERT_TRUE(tools::WriteBytesToFile(path, BmpFileBytes(layout)));
    ASSERT_TRUE(image.load(path.c_str()));
    EXPECT_EQ(image.width(), 1);
    EXPECT_EQ(image.height(), 2);
    EXPECT_EQ(pixelAt(image.pixels(), 1, 0, 0), (Rgba{3, 2, 1, 255}));
    ASSERT_TRUE(image.flipVertical());
    EXPECT_EQ(pixelAt(image.pixels(), 1, 0, 0), (Rgba{6, 5, 4, 255}));
    TextureImage empty;
    EXPECT_FALSE(empty.flipVertical());
}

TEST_F(ImageFile, PathEndingDecidesWhetherTheFileIsRead) {
    BmpLayout layout;
    layout.pixelArray = {1, 2, 3, 0};
    const auto bytes = BmpFileBytes(layout);
    for (const char* name : {"UPPER.BMP", "MiXeD.bMp", "nodotbmp", "bmp"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(tools::WriteBytesToFile(scratch.path(name), bytes));
        EXPECT_TRUE(image.load(scratch.path(name).c_str()));
        EXPECT_NE(image.pixels(), nullptr);
    }
    // Valid bitmap contents, but the name does not end in "bmp".
    for (const char* name : {"sprite.bmp.txt", "sprite.bm", "bmp.png"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(tools::WriteBytesToFile(scratch.path(name), bytes));
        EXPECT_FALSE(image.load(scratch.path(name).c_str()));
        EXPECT_EQ(image.pixels(), nullptr);
    }
    EXPECT_FALSE(image.load("mp"));
    EXPECT_FALSE(image.load(""));
    EXPECT_FALSE(image.load(nullptr));
}

TEST_F(ImageFile, AMissingFileGivesNoImage) {
    EXPECT_FALSE(image.load(scratch.path("absent.bmp").c_str()));
    EXPECT_EQ(image.pixels(), nullptr);
}

} // namespace
} // namespace kestro

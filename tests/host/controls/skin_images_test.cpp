#include "tools/skins/skin_images.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace kestro {
namespace {

constexpr size_t SKIN_FILE_BYTES = 4854;
constexpr size_t PIXEL_OFFSET = 54;
constexpr int ROW_BYTES = 64 * 3;

std::vector<uint8_t> readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// RRGGBB of pixel (x, y), y counted from the top.
uint32_t pixel(const std::vector<uint8_t>& bmp, int x, int y) {
    const size_t at = PIXEL_OFFSET + static_cast<size_t>(24 - y) * ROW_BYTES + x * 3;
    return (uint32_t{bmp[at + 2]} << 16) | (uint32_t{bmp[at + 1]} << 8) | bmp[at];
}

const std::vector<uint8_t>& skinFile(const std::vector<SkinImageFile>& all,
                                     const std::string& name) {
    for (const auto& image : all)
        if (image.fileName == name)
            return image.bytes;
    static const std::vector<uint8_t> none;
    return none;
}

TEST(SkinImages, GeneratorReproducesTheCommittedResources) {
    const auto images = drawSkinImages();
    ASSERT_EQ(images.size(), 6u);
    for (const auto& image : images) {
        SCOPED_TRACE(image.fileName);
        EXPECT_EQ(image.bytes.size(), SKIN_FILE_BYTES);
        EXPECT_EQ(readFile(std::string(KESTRO_SKIN_FOLDER) + "/" + image.fileName), image.bytes);
    }
}

TEST(SkinImages, HeadersDescribeA64By25TwentyFourBitImage) {
    const auto images = drawSkinImages();
    const auto& bmp = skinFile(images, "normal.bmp");
    ASSERT_EQ(bmp.size(), SKIN_FILE_BYTES);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(bmp[10], PIXEL_OFFSET);
    EXPECT_EQ(bmp[18], 64); // width
    EXPECT_EQ(bmp[22], 25); // height, positive: rows bottom-up
    EXPECT_EQ(bmp[28], 24); // bits per pixel
}

TEST(SkinImages, HighLightSelectIsTheHighLightImage) {
    const auto images = drawSkinImages();
    EXPECT_EQ(skinFile(images, "highlight_select.bmp"), skinFile(images, "highlight.bmp"));
}

TEST(SkinImages, RaisedRingsHaveTheirBorderOuterLineAndBands) {
    const auto images = drawSkinImages();
    const auto& normal = skinFile(images, "normal.bmp");
    EXPECT_EQ(pixel(normal, 30, 0), 0xE0DCC9u);
    EXPECT_EQ(pixel(normal, 0, 12), 0xE2DECBu);
    EXPECT_EQ(pixel(normal, 30, 24), 0xF8F7F0u);
    EXPECT_EQ(pixel(normal, 63, 12), 0xF0EEE0u);
    for (auto [x, y] : {std::pair{30, 1}, {30, 23}, {1, 12}, {62, 12}}) {
        EXPECT_EQ(pixel(normal, x, y), 0x003C74u) << x << "," << y;
    }
    EXPECT_EQ(pixel(normal, 1, 1), 0x7A95A8u); // rounded corner
    EXPECT_EQ(pixel(normal, 30, 2), 0xF3F3EEu);
    EXPECT_EQ(pixel(normal, 2, 4), 0xFDFDFCu);
    EXPECT_EQ(pixel(normal, 2, 20), 0xECEBE6u);
    EXPECT_EQ(pixel(normal, 61, 4), 0xF6F4F2u);
    EXPECT_EQ(pixel(normal, 61, 20), 0xE0DDD4u);
    EXPECT_EQ(pixel(normal, 30, 21), 0xE2DFD6u);
    EXPECT_EQ(pixel(normal, 30, 22), 0xD6D0C5u);

    const auto& highlight = skinFile(images, "highlight.bmp");
    EXPECT_EQ(pixel(highlight, 30, 2), 0xFFF0CFu);
    EXPECT_EQ(pixel(highlight, 30, 3), 0xFDD889u);
    EXPECT_EQ(pixel(highlight, 2, 12), 0xFCCA69u);
    EXPECT_EQ(pixel(highlight, 3, 20), 0xF9B435u);
    EXPECT_EQ(pixel(highlight, 30, 22), 0xE59700u);

    const auto& selected = skinFile(images, "selected.bmp");
    EXPECT_EQ(pixel(selected, 30, 2), 0xCEE7FFu);
    EXPECT_EQ(pixel(selected, 60, 20), 0x8BADE4u);
    EXPECT_EQ(pixel(selected, 30, 22), 0x6982EEu);
}

TEST(SkinImages, PressedFrameSitsOnePixelInAndDisableIsFlat) {
    const auto images = drawSkinImages();
    const auto& pressed = skinFile(images, "pressed.bmp");
    for (auto [x, y] : {std::pair{30, 0}, {30, 24}, {0, 12}, {63, 12}}) {
        EXPECT_EQ(pixel(pressed, x, y), 0xECE9D8u) << x << "," << y;
    }
    for (auto [x, y] : {std::pair{30, 2}, {30, 22}, {2, 12}, {61, 12}}) {
        EXPECT_EQ(pixel(pressed, x, y), 0x003C74u) << x << "," << y;
    }
    EXPECT_EQ(pixel(pressed, 30, 3), 0xD1CCC0u);
    EXPECT_EQ(pixel(pressed, 3, 12), 0xD7D4CBu);
    EXPECT_EQ(pixel(pressed, 60, 12), 0xE4E3DCu);

    const auto& disable = skinFile(images, "disable.bmp");
    EXPECT_EQ(pixel(disable, 30, 0), 0xECE9D8u);
    EXPECT_EQ(pixel(disable, 30, 1), 0xC9C7BAu);
    EXPECT_EQ(pixel(disable, 62, 12), 0xC9C7BAu);
    EXPECT_EQ(pixel(disable, 3, 12), 0xF5F4EAu);
    EXPECT_EQ(pixel(disable, 30, 21), 0xF5F4EAu);
}

} // namespace
} // namespace kestro

// The pixel operations on their own, on buffers set up by hand.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "renderer/image/texture_image.h"

namespace kestro {
namespace {

// Gives the image a width x height buffer holding bytes 0, 1, 2, ...
void holdCountingPixels(TextureImage& image, int width, int height) {
    image.width = width;
    image.height = height;
    const size_t bytes = static_cast<size_t>(width) * height * 4;
    image.pixels = static_cast<uint8_t*>(std::malloc(bytes));
    for (size_t i = 0; i < bytes; ++i)
        image.pixels[i] = static_cast<uint8_t>(i);
}

std::vector<int> bytesOf(const TextureImage& image) {
    return std::vector<int>(image.pixels, image.pixels + image.width * image.height * 4);
}

TEST(TextureImageConstruction, StartsEmpty) {
    TextureImage image;
    EXPECT_EQ(image.textureName, 0u);
    EXPECT_EQ(image.width, 0);
    EXPECT_EQ(image.height, 0);
    EXPECT_EQ(image.bitsPerPixel, 0);
    EXPECT_EQ(image.pixels, nullptr);
    EXPECT_EQ(image.redMask | image.greenMask | image.blueMask, 0u);
    EXPECT_EQ(image.palette[255].red, 0);
}

TEST(PixelOperations, SwapRedBlueAndFillAlphaTouchOnlyTheirBytes) {
    TextureImage image;
    holdCountingPixels(image, 2, 1);
    image.swapRedBlue();
    EXPECT_EQ(bytesOf(image), (std::vector<int>{2, 1, 0, 3, 6, 5, 4, 7}));
    image.fillAlpha(9);
    EXPECT_EQ(bytesOf(image), (std::vector<int>{2, 1, 0, 9, 6, 5, 4, 9}));
}

TEST(PixelOperations, ExpandRgb24KeepsOrderWithoutExchangeAndSkipsRowEnds) {
    TextureImage image;
    holdCountingPixels(image, 1, 2);
    const uint8_t source[] = {1, 2, 3, 0xEE, 4, 5, 6, 0xEE};
    image.expandRgb24(source, 1, false);
    EXPECT_EQ(bytesOf(image), (std::vector<int>{1, 2, 3, 255, 4, 5, 6, 255}));
    image.expandRgb24(source, 1, true);
    EXPECT_EQ(bytesOf(image), (std::vector<int>{3, 2, 1, 255, 6, 5, 4, 255}));
}

TEST(PixelOperations, FlipVerticalLeavesASingleRowAndTheMiddleRowAlone) {
    TextureImage empty;
    EXPECT_FALSE(empty.flipVertical());

    TextureImage single;
    holdCountingPixels(single, 2, 1);
    const auto before = bytesOf(single);
    EXPECT_TRUE(single.flipVertical());
    EXPECT_EQ(bytesOf(single), before);

    TextureImage even;
    holdCountingPixels(even, 1, 4);
    EXPECT_TRUE(even.flipVertical());
    EXPECT_EQ(bytesOf(even),
              (std::vector<int>{12, 13, 14, 15, 8, 9, 10, 11, 4, 5, 6, 7, 0, 1, 2, 3}));
}

} // namespace
} // namespace kestro

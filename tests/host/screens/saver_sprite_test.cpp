// SaverSprite as the host keeps it: the bitmap's header fields, its warm
// glow and the brightness profile the renderer's look depends on.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

#include "tests/host/screens/sprite_checks.h"
#include "tools/sprite/saver_sprite.h"

namespace kestro {
namespace {

std::vector<uint8_t> keptSprite() {
    std::ifstream file(KESTRO_SAVER_SPRITE_FILE, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

TEST(SaverSpriteTest, KeptBitmapIsWhatTheGeneratorMakes) {
    EXPECT_EQ(keptSprite(), SaverSpriteBitmap(MakeSaverSpritePixels()))
        << "regenerate resources/saver_sprite.bmp with make_saver_sprite";
}

TEST(SaverSpriteTest, KeptBitmapHasTheSaverSpriteHeaderAndProfile) {
    testing::ExpectSaverSprite(keptSprite());
}

TEST(SaverSpriteTest, ChecksNoticeABrokenSprite) {
    std::vector<uint8_t> sprite = keptSprite();
    ASSERT_EQ(sprite.size(), SPRITE_FILE_SIZE);
    // Turn the picture upside down: the glow's centre moves off (15, 15).
    std::vector<uint8_t> flipped(sprite.begin(), sprite.begin() + SPRITE_PIXEL_OFFSET);
    for (int row = SPRITE_SIZE - 1; row >= 0; --row) {
        auto begin = sprite.begin() + SPRITE_PIXEL_OFFSET + row * SPRITE_SIZE * 3;
        flipped.insert(flipped.end(), begin, begin + SPRITE_SIZE * 3);
    }
    EXPECT_FALSE(testing::SpriteProblems(flipped).empty());
    sprite[28] = 32;  // 32 bits per pixel
    EXPECT_FALSE(testing::SpriteProblems(sprite).empty());
}

} // namespace
} // namespace kestro

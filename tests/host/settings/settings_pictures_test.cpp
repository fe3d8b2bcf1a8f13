// The dialog's pictures kept as resources match their generator, and the
// generator draws them as described.
#include "tools/settings_pictures/settings_pictures.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace kestro::tools {
namespace {

Bytes readResource(const char* name) {
    std::ifstream file(std::string(KESTRO_RESOURCES_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

uint16_t read16(const Bytes& bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

TEST(SettingsPictures, KeptFilesMatchTheGenerator) {
    EXPECT_EQ(readResource("settings_mark_off.bmp"), BmpFile(UnselectedMarkPicture()));
    EXPECT_EQ(readResource("settings_mark_on.bmp"), BmpFile(SelectedMarkPicture()));
    EXPECT_EQ(readResource("settings_dialog.ico"), IconFile(DialogIconPicture()));
    EXPECT_EQ(readResource("settings_link.cur"),
              CursorFile(CURSOR_SIZE, CURSOR_SIZE, HandCursorPixels(), HAND_HOT_X, HAND_HOT_Y));
}

TEST(SettingsPictures, MarksAreTwelvePixelSquares) {
    const Picture off = UnselectedMarkPicture();
    ASSERT_EQ(off.width, 12);
    ASSERT_EQ(off.height, 12);
    EXPECT_EQ(off.at(0, 0).red, 128); // grey frame
    EXPECT_EQ(off.at(11, 6).green, 128);
    EXPECT_EQ(off.at(6, 6).blue, 255); // white inside
    EXPECT_EQ(off.at(6, 6).red, 255);
    const Picture on = SelectedMarkPicture();
    for (const Rgba& p : on.pixels) {
        ASSERT_EQ(p.red, 0);
        ASSERT_EQ(p.green, 0);
        ASSERT_EQ(p.blue, 255);
    }
}

TEST(SettingsPictures, BitmapIsTwentyFourBitBottomUp) {
    const Bytes bmp = BmpFile(UnselectedMarkPicture());
    ASSERT_EQ(bmp.size(), 54u + 12 * 36);
    EXPECT_EQ(read16(bmp, 28), 24); // bits per pixel
    EXPECT_EQ(bmp[54], 128);        // first stored row is the bottom (frame) row
}

TEST(SettingsPictures, CursorIsAMonochromeHandWithItsHotSpotAtTheFingertip) {
    const Bytes cursor = readResource("settings_link.cur");
    ASSERT_GE(cursor.size(), 22u + 40u);
    EXPECT_EQ(read16(cursor, 2), 2); // a cursor
    EXPECT_EQ(cursor[6], 32);        // 32 x 32
    EXPECT_EQ(cursor[7], 32);
    EXPECT_EQ(read16(cursor, 10), HAND_HOT_X);
    EXPECT_EQ(read16(cursor, 12), HAND_HOT_Y);
    EXPECT_EQ(read16(cursor, 22 + 14), 1); // one bit per pixel

    const std::vector<CursorPixel> hand = HandCursorPixels();
    auto pixel = [&](int x, int y) { return hand[static_cast<size_t>(y) * CURSOR_SIZE + x]; };
    // The hot spot is the top of the raised finger: nothing of the hand above it.
    EXPECT_NE(pixel(HAND_HOT_X, HAND_HOT_Y), CursorPixel::Transparent);
    for (int y = 0; y < HAND_HOT_Y; ++y) {
        for (int x = 0; x < CURSOR_SIZE; ++x)
            ASSERT_EQ(pixel(x, y), CursorPixel::Transparent);
    }
    EXPECT_EQ(pixel(HAND_HOT_X, HAND_HOT_Y + 3), CursorPixel::White); // inside the finger
}

TEST(SettingsPictures, IconIsThirtyTwoPixelsWithATransparentOutside) {
    const Picture icon = DialogIconPicture();
    ASSERT_EQ(icon.width, 32);
    EXPECT_EQ(icon.at(0, 0).alpha, 0);
    EXPECT_EQ(icon.at(16, 16).alpha, 255);
}

} // namespace
} // namespace kestro::tools

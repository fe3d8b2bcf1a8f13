#include "host/controls/skin_geometry.h"

#include <gtest/gtest.h>

namespace kestro {

// Readable failures: gtest finds this by argument-dependent lookup.
std::ostream& operator<<(std::ostream& out, const PixelRect& r);
std::ostream& operator<<(std::ostream& out, const PixelRect& r) {
    return out << "{" << r.x << "," << r.y << " " << r.width << "x" << r.height << "}";
}

namespace {

// Source rectangles never depend on the control: the image's own ring.
const std::array<PixelRect, SKIN_PIECE_COUNT> SKIN_SOURCE{{
    {0, 0, 4, 4},
    {4, 0, 56, 4},
    {60, 0, 4, 4},
    {60, 4, 4, 17},
    {60, 21, 4, 4},
    {4, 21, 56, 4},
    {0, 21, 4, 4},
    {0, 4, 4, 17},
}};

void expectPieces(const SkinLayout& layout, const std::array<PixelRect, SKIN_PIECE_COUNT>& dest) {
    for (int i = 0; i < SKIN_PIECE_COUNT; ++i) {
        SCOPED_TRACE("piece " + std::to_string(i + 1));
        EXPECT_EQ(layout.pieces[i].source, SKIN_SOURCE[i]);
        EXPECT_EQ(layout.pieces[i].destination, dest[i]);
    }
}

TEST(SkinGeometry, ControlOfSkinSizeShowsTheRingUnstretched) {
    const SkinLayout layout = skinLayout(960, 375, 15);
    expectPieces(layout, SKIN_SOURCE);
    EXPECT_DOUBLE_EQ(layout.captionTopTwips, 80.0);
    EXPECT_EQ(layout.caption, (PixelRect{0, 5, 64, 13}));
}

TEST(SkinGeometry, WiderControlStretchesTopAndBottomOnly) {
    const SkinLayout layout = skinLayout(1155, 375, 15); // 77 x 25 pixels
    expectPieces(layout, {{
                             {0, 0, 4, 4},
                             {4, 0, 69, 4},
                             {73, 0, 4, 4},
                             {73, 4, 4, 17},
                             {73, 21, 4, 4},
                             {4, 21, 69, 4},
                             {0, 21, 4, 4},
                             {0, 4, 4, 17},
                         }});
    EXPECT_DOUBLE_EQ(layout.captionTopTwips, 80.0);
    EXPECT_EQ(layout.caption, (PixelRect{0, 5, 77, 13}));
}

TEST(SkinGeometry, SmallerControlShrinksEdgesAndKeepsCorners) {
    const SkinLayout layout = skinLayout(615, 315, 15); // 41 x 21 pixels
    expectPieces(layout, {{
                             {0, 0, 4, 4},
                             {4, 0, 33, 4},
                             {37, 0, 4, 4},
                             {37, 4, 4, 13},
                             {37, 17, 4, 4},
                             {4, 17, 33, 4},
                             {0, 17, 4, 4},
                             {0, 4, 4, 13},
                         }});
    EXPECT_DOUBLE_EQ(layout.captionTopTwips, 50.0);
    EXPECT_EQ(layout.caption, (PixelRect{0, 3, 41, 13}));
}

TEST(SkinGeometry, CaptionTopIsARealNumberForOddHeights) {
    EXPECT_DOUBLE_EQ(skinLayout(960, 390, 15).captionTopTwips, 87.5);
}

TEST(SkinGeometry, SizesBeyondSixteenBitsStillLayOut) {
    const SkinLayout layout = skinLayout(40000, 375, 15);
    EXPECT_EQ(layout.pieces[2].destination.x, (40000 - 60) / 15);
    EXPECT_EQ(layout.pieces[1].destination.width, (40000 - 120 + 7) / 15);
}

TEST(SkinGeometry, CoarserScreenScalesDestinationButNotSource) {
    const SkinLayout layout = skinLayout(64 * 12, 25 * 12, 12); // 120 dpi
    EXPECT_EQ(layout.pieces[0].destination, (PixelRect{0, 0, 5, 5}));
    EXPECT_EQ(layout.pieces[0].source, (PixelRect{0, 0, 4, 4}));
    EXPECT_EQ(layout.pieces[2].destination.x, 59);
}

TEST(GradientColour, ChannelsAreTheTwoDigitsTimes256) {
    EXPECT_EQ(gradientColourFromText("&HFFFFFF"), (GradientColour{0xFF00, 0xFF00, 0xFF00}));
    EXPECT_EQ(gradientColourFromText("&HC6C5D7"), (GradientColour{0xC600, 0xC500, 0xD700}));
    EXPECT_EQ(gradientColourFromText("&h0a0b0c"), std::nullopt);
    EXPECT_EQ(gradientColourFromText("&HC6C5D"), std::nullopt);
    EXPECT_EQ(gradientColourFromText("&HC6C5DG"), std::nullopt);
}

TEST(GradientVertices, FaceRunsLightToShadeUnlessInverted) {
    const auto plain = gradientVertices(false, 77, 25);
    EXPECT_EQ(plain[0].x, 0);
    EXPECT_EQ(plain[0].y, 0);
    EXPECT_EQ(plain[1].x, 76);
    EXPECT_EQ(plain[1].y, 24);
    EXPECT_EQ(plain[0].colour, (GradientColour{0xFF00, 0xFF00, 0xFF00}));
    EXPECT_EQ(plain[1].colour, (GradientColour{0xC600, 0xC500, 0xD700}));

    const auto inverted = gradientVertices(true, 77, 25);
    EXPECT_EQ(inverted[0].colour, plain[1].colour);
    EXPECT_EQ(inverted[1].colour, plain[0].colour);
    EXPECT_EQ(inverted[1].y, 24);
}

} // namespace
} // namespace kestro

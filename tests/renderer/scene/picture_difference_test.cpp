// How far two pictures lie apart: the tally the drawing's comparisons judge by.

#include "tools/draw_bench/picture_difference.h"

#include <gtest/gtest.h>

namespace kestro::tools {
namespace {

TEST(PictureDifferenceTest, CountsPixelsOffByTheirWorstChannelAndThoseBeyondOneLevel) {
    const std::vector<Rgb> expected{{10, 10, 10}, {10, 10, 10}, {10, 10, 10}, {0, 0, 0}};
    const std::vector<Rgb> actual{{10, 10, 10}, {10, 11, 9}, {10, 10, 12}, {0, 0, 255}};
    const PictureDifference difference = comparePictures(expected, actual);
    EXPECT_EQ(difference.pixels, 4u);
    EXPECT_EQ(difference.differing, 3u);
    EXPECT_EQ(difference.beyondOneLevel, 2u) << "one level off in two channels is one level";
    EXPECT_EQ(difference.largest, 255);
    EXPECT_DOUBLE_EQ(difference.differingShare(), 0.75);

    const PictureDifference same = comparePictures(expected, expected);
    EXPECT_EQ(same.differing, 0u);
    EXPECT_EQ(same.largest, 0);
    EXPECT_EQ(comparePictures({}, {}).differingShare(), 0.0) << "no pixels, no share";
}

} // namespace
} // namespace kestro::tools

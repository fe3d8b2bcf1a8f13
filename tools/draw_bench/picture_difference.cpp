#include "tools/draw_bench/picture_difference.h"

#include <algorithm>
#include <cstdlib>

namespace kestro::tools {

PictureDifference comparePictures(const std::vector<Rgb>& expected,
                                  const std::vector<Rgb>& actual) {
    PictureDifference difference;
    difference.pixels = std::min(expected.size(), actual.size());
    for (size_t at = 0; at < difference.pixels; ++at) {
        const int levels = std::max({std::abs(actual[at].red - expected[at].red),
                                     std::abs(actual[at].green - expected[at].green),
                                     std::abs(actual[at].blue - expected[at].blue)});
        difference.differing += levels != 0;
        difference.beyondOneLevel += levels > 1;
        difference.largest = std::max(difference.largest, levels);
    }
    return difference;
}

std::vector<Rgb> screenPixels(const OffscreenGlContext& gl, int width, int height) {
    std::vector<Rgb> pixels;
    pixels.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            pixels.push_back(gl.pixel(column, row));
    return pixels;
}

} // namespace kestro::tools

#pragma once
// How far two pictures of the same moment lie apart, pixel by pixel: how
// many pixels differ at all, how many by more than one level in a channel,
// and the largest difference.

#include <cstddef>
#include <vector>

#include "tools/offscreen_gl/offscreen_gl_context.h"

namespace kestro::tools {

struct PictureDifference {
    size_t pixels = 0;
    size_t differing = 0;
    size_t beyondOneLevel = 0;
    // Levels, in the channel that differs most.
    int largest = 0;

    double differingShare() const {
        return pixels == 0 ? 0.0 : static_cast<double>(differing) / static_cast<double>(pixels);
    }
};

// The pictures must be of one size; pixels beyond the shorter are not counted.
PictureDifference comparePictures(const std::vector<Rgb>& expected, const std::vector<Rgb>& actual);

// Every pixel of the context's picture, rows from the top.
std::vector<Rgb> screenPixels(const OffscreenGlContext& gl, int width, int height);

} // namespace kestro::tools

#include "renderer/image/rgba_image.h"

#include <algorithm>

namespace kestro {

void flipRows(RgbaImage& image) {
    const size_t rowBytes = static_cast<size_t>(image.width) * RGBA_BYTES;
    for (int32_t i = 0; i < image.height / 2; ++i) {
        auto upper = image.pixels.begin() + static_cast<std::ptrdiff_t>(i * rowBytes);
        auto lower =
            image.pixels.begin() + static_cast<std::ptrdiff_t>((image.height - 1 - i) * rowBytes);
        std::swap_ranges(upper, upper + static_cast<std::ptrdiff_t>(rowBytes), lower);
    }
}

} // namespace kestro

#include "tools/bitmap/glow_sprite_file.h"

#include <algorithm>
#include <cmath>

#include "tools/bitmap/bmp_writer.h"

namespace kestro::tools {

bool writeGreySprite(const std::string& path, const std::function<uint8_t(int, int)>& greyAt) {
    return WriteBytesToFile(
        path, Bmp24File(GLOW_SPRITE_SIZE, GLOW_SPRITE_SIZE, [&greyAt](int column, int row) {
            const uint8_t grey = greyAt(column, row);
            return BmpRgb{grey, grey, grey};
        }));
}

bool writeGlowSprite(const std::string& path) {
    return writeGreySprite(path, [](int column, int row) {
        const double centre = (GLOW_SPRITE_SIZE - 1) / 2.0;
        const double distance =
            std::hypot(column - centre, row - centre) / (GLOW_SPRITE_SIZE / 2.0);
        const double strength = std::max(0.0, 1.0 - distance);
        return static_cast<uint8_t>(std::lround(255.0 * strength * strength));
    });
}

} // namespace kestro::tools

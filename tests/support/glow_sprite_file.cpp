#include "tests/support/glow_sprite_file.h"

#include <algorithm>
#include <cmath>

#include "tests/support/bmp_builder.h"

namespace kestro::testing {

bool writeGreySprite(const std::string& path, const std::function<uint8_t(int, int)>& greyAt) {
    BmpLayout layout;
    layout.width = SPRITE_SIZE;
    layout.height = SPRITE_SIZE;
    layout.bitsPerPixel = 24;
    // Rows are stored bottom first; a 32-pixel row is a whole number of words.
    for (int fileRow = 0; fileRow < SPRITE_SIZE; ++fileRow) {
        const int rowFromTop = SPRITE_SIZE - 1 - fileRow;
        for (int column = 0; column < SPRITE_SIZE; ++column) {
            const uint8_t grey = greyAt(column, rowFromTop);
            layout.pixelArray.insert(layout.pixelArray.end(), {grey, grey, grey});
        }
    }
    return writeFile(path, buildBmp(layout));
}

bool writeGlowSprite(const std::string& path) {
    return writeGreySprite(path, [](int column, int row) {
        const double centre = (SPRITE_SIZE - 1) / 2.0;
        const double distance = std::hypot(column - centre, row - centre) / (SPRITE_SIZE / 2.0);
        const double strength = std::max(0.0, 1.0 - distance);
        return static_cast<uint8_t>(std::lround(255.0 * strength * strength));
    });
}

} // namespace kestro::testing

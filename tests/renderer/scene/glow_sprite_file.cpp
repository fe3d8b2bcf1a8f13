#include "tests/renderer/scene/glow_sprite_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace kestro::testing {

namespace {

constexpr int HEADER_BYTES = 54;
constexpr int ROW_BYTES = SPRITE_SIZE * 3; // already a whole number of words

void putLe16(std::vector<uint8_t>& out, size_t at, uint16_t value) {
    out[at] = static_cast<uint8_t>(value);
    out[at + 1] = static_cast<uint8_t>(value >> 8);
}

void putLe32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

} // namespace

bool writeGreySprite(const std::string& path, const std::function<uint8_t(int, int)>& greyAt) {
    std::vector<uint8_t> file(HEADER_BYTES + ROW_BYTES * SPRITE_SIZE, 0);
    file[0] = 'B';
    file[1] = 'M';
    putLe32(file, 2, static_cast<uint32_t>(file.size()));
    putLe32(file, 10, HEADER_BYTES);
    putLe32(file, 14, 40);
    putLe32(file, 18, SPRITE_SIZE);
    putLe32(file, 22, SPRITE_SIZE);
    putLe16(file, 26, 1);
    putLe16(file, 28, 24);
    for (int fileRow = 0; fileRow < SPRITE_SIZE; ++fileRow) {
        const int rowFromTop = SPRITE_SIZE - 1 - fileRow;
        for (int column = 0; column < SPRITE_SIZE; ++column) {
            const uint8_t grey = greyAt(column, rowFromTop);
            const size_t at = HEADER_BYTES + fileRow * ROW_BYTES + column * 3;
            file[at] = file[at + 1] = file[at + 2] = grey;
        }
    }
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
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

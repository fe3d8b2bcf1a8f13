#pragma once
// Checks of a SaverSprite bitmap, shared by the native test of the kept
// file and the Windows test of the resource inside the program.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/sprite/saver_sprite.h"

namespace kestro::testing {

// How far a ring's mean brightness may stray from the profile.
constexpr double PROFILE_TOLERANCE = 3.0;

inline uint32_t littleEndian(const std::vector<uint8_t>& bytes, size_t offset, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | bytes[offset + i];
    return value;
}

// Everything that is wrong with the bitmap; empty when it is SaverSprite.
inline std::vector<std::string> SpriteProblems(const std::vector<uint8_t>& bmp) {
    std::vector<std::string> problems;
    if (bmp.size() != SPRITE_FILE_SIZE) return {"size " + std::to_string(bmp.size())};
    struct Field {
        const char* name;
        size_t offset;
        int size;
        uint32_t expected;
    };
    const Field fields[] = {{"signature", 0, 2, 0x4D42},   {"file size", 2, 4, 3126},
                            {"reserved", 6, 4, 0},         {"pixel offset", 10, 4, 54},
                            {"header size", 14, 4, 40},    {"width", 18, 4, 32},
                            {"height", 22, 4, 32},         {"planes", 26, 2, 1},
                            {"bits", 28, 2, 24},           {"compression", 30, 4, 0},
                            {"image size", 34, 4, 3072},   {"x resolution", 38, 4, 0},
                            {"y resolution", 42, 4, 0},    {"colours", 46, 4, 0},
                            {"important colours", 50, 4, 0}};
    for (const Field& field : fields) {
        if (littleEndian(bmp, field.offset, field.size) != field.expected) {
            problems.push_back(std::string(field.name) + " is " +
                               std::to_string(littleEndian(bmp, field.offset, field.size)));
        }
    }
    if (!problems.empty()) return problems;

    std::map<long, std::pair<double, int>> rings;
    int brightestSum = -1;
    SpritePixel brightest{};
    for (int y = 0; y < SPRITE_SIZE; ++y) {
        const size_t row = SPRITE_PIXEL_OFFSET + (SPRITE_SIZE - 1 - y) * SPRITE_SIZE * 3;
        for (int x = 0; x < SPRITE_SIZE; ++x) {
            const SpritePixel p{bmp[row + x * 3 + 2], bmp[row + x * 3 + 1], bmp[row + x * 3]};
            if (!(p.red >= p.green && p.green >= p.blue && p.red - p.blue <= 7)) {
                problems.push_back("pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                                   ") is not warm white");
            }
            if (p.red + p.green + p.blue > brightestSum) {
                brightestSum = p.red + p.green + p.blue;
                brightest = p;
            }
            const double distance = std::sqrt(static_cast<double>(
                (x - SPRITE_CENTRE) * (x - SPRITE_CENTRE) + (y - SPRITE_CENTRE) * (y - SPRITE_CENTRE)));
            auto& ring = rings[std::lround(distance)];
            ring.first += (p.red + p.green + p.blue) / 3.0;
            ++ring.second;
        }
    }
    if (brightest.red != 255 || brightest.green != 252 || brightest.blue != 249) {
        problems.push_back("brightest pixel is not (255, 252, 249)");
    }
    // The rings the glow is known by; beyond the last one it is black.
    const std::map<long, int> profile = {{2, 248}, {3, 211}, {4, 162}, {5, 129}, {6, 100},
                                         {7, 80},  {8, 63},  {9, 48},  {10, 39}, {12, 27},
                                         {14, 18}, {16, 11}, {18, 7},  {20, 4}};
    for (const auto& [distance, ring] : rings) {
        const double mean = ring.first / ring.second;
        const auto known = profile.find(distance);
        const bool black = distance >= 22;
        if (known != profile.end() && std::fabs(mean - known->second) > PROFILE_TOLERANCE) {
            problems.push_back("ring " + std::to_string(distance) + " has mean " +
                               std::to_string(mean) + ", not about " +
                               std::to_string(known->second));
        }
        if (black && mean != 0.0) problems.push_back("ring " + std::to_string(distance) + " is not black");
    }
    for (size_t corner : {size_t{0}, size_t{31}}) {
        for (size_t row : {size_t{0}, size_t{31}}) {
            const size_t at = SPRITE_PIXEL_OFFSET + row * SPRITE_SIZE * 3 + corner * 3;
            if (bmp[at] || bmp[at + 1] || bmp[at + 2]) problems.push_back("a corner is not black");
        }
    }
    return problems;
}

inline void ExpectSaverSprite(const std::vector<uint8_t>& bmp) {
    const std::vector<std::string> problems = SpriteProblems(bmp);
    for (const std::string& problem : problems) ADD_FAILURE() << problem;
    EXPECT_TRUE(problems.empty());
}

} // namespace kestro::testing

#include "tools/film/picture.h"

#include <algorithm>
#include <cstdio>

namespace kestro {

namespace {

constexpr int CHANNELS = 3;
constexpr int MAX_CHANNEL_VALUE = 255;

// How much of source pixel `from` lies under target pixel `to`, in units of
// 1/targetCount of a source pixel: source pixel i spans [i * targetCount,
// (i + 1) * targetCount), target pixel j spans [j * sourceCount, (j + 1) *
// sourceCount), both on a line sourceCount * targetCount long.
uint64_t overlap(int from, int to, int sourceCount, int targetCount) {
    const int64_t start = std::max<int64_t>(int64_t{from} * targetCount, int64_t{to} * sourceCount);
    const int64_t end =
        std::min<int64_t>(int64_t{from + 1} * targetCount, int64_t{to + 1} * sourceCount);
    return end > start ? static_cast<uint64_t>(end - start) : 0;
}

} // namespace

Picture scaledDown(const Picture& source, int width, int height) {
    // Across each row first, kept as exact weighted sums, then down each column.
    std::vector<uint64_t> rows(static_cast<size_t>(width) * source.height * CHANNELS, 0);
    for (int y = 0; y < source.height; ++y)
        for (int x = 0; x < width; ++x) {
            const int first = static_cast<int>(int64_t{x} * source.width / width);
            for (int from = first; from < source.width; ++from) {
                const uint64_t weight = overlap(from, x, source.width, width);
                if (weight == 0)
                    break;
                for (int c = 0; c < CHANNELS; ++c)
                    rows[(static_cast<size_t>(y) * width + x) * CHANNELS + c] +=
                        weight *
                        source.rgb[(static_cast<size_t>(y) * source.width + from) * CHANNELS + c];
            }
        }

    Picture target;
    target.width = width;
    target.height = height;
    target.rgb.resize(static_cast<size_t>(width) * height * CHANNELS);
    const uint64_t wholeArea = static_cast<uint64_t>(source.width) * source.height;
    for (int y = 0; y < height; ++y) {
        const int first = static_cast<int>(int64_t{y} * source.height / height);
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < CHANNELS; ++c) {
                uint64_t sum = 0;
                for (int from = first; from < source.height; ++from) {
                    const uint64_t weight = overlap(from, y, source.height, height);
                    if (weight == 0)
                        break;
                    sum += weight * rows[(static_cast<size_t>(from) * width + x) * CHANNELS + c];
                }
                target.rgb[(static_cast<size_t>(y) * width + x) * CHANNELS + c] =
                    static_cast<uint8_t>((sum + wholeArea / 2) / wholeArea);
            }
    }
    return target;
}

bool writePpm(const std::string& path, const Picture& picture) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written =
        std::fprintf(file, "P6\n%d %d\n%d\n", picture.width, picture.height, MAX_CHANNEL_VALUE) >
            0 &&
        std::fwrite(picture.rgb.data(), 1, picture.rgb.size(), file) == picture.rgb.size();
    return std::fclose(file) == 0 && written;
}

} // namespace kestro

#include "tools/sprite/saver_sprite.h"

#include <algorithm>
#include <cmath>

namespace kestro {

namespace {

constexpr int FIT_ROUNDS = 200;
constexpr int PROFILE_BINS = static_cast<int>(SPRITE_BRIGHTNESS_PROFILE.size());

double distanceFromCentre(int x, int y) {
    const int dx = x - SPRITE_CENTRE;
    const int dy = y - SPRITE_CENTRE;
    return std::sqrt(static_cast<double>(dx * dx + dy * dy)); // correctly rounded everywhere
}

int channel(double red, int share) {
    return static_cast<int>(std::lround(red * share / SPRITE_RED));
}

SpritePixel warmPixel(double red) {
    const double clamped = std::clamp(red, 0.0, static_cast<double>(SPRITE_RED));
    return SpritePixel{static_cast<uint8_t>(channel(clamped, SPRITE_RED)),
                       static_cast<uint8_t>(channel(clamped, SPRITE_GREEN)),
                       static_cast<uint8_t>(channel(clamped, SPRITE_BLUE))};
}

double brightness(const SpritePixel& p) {
    return (p.red + p.green + p.blue) / 3.0;
}

// Red at any distance: straight lines between the values at whole distances.
double redAt(const std::array<double, SPRITE_BRIGHTNESS_PROFILE.size()>& knots, double distance) {
    if (distance >= SPRITE_BLACK_FROM_DISTANCE)
        return 0.0;
    const int below = static_cast<int>(distance);
    const double above = below + 1 < PROFILE_BINS ? knots[below + 1] : 0.0;
    const double t = distance - below;
    return knots[below] * (1.0 - t) + above * t;
}

std::vector<SpritePixel> render(const std::array<double, SPRITE_BRIGHTNESS_PROFILE.size()>& knots) {
    std::vector<SpritePixel> pixels;
    pixels.reserve(SPRITE_SIZE * SPRITE_SIZE);
    for (int y = 0; y < SPRITE_SIZE; ++y) {
        for (int x = 0; x < SPRITE_SIZE; ++x)
            pixels.push_back(warmPixel(redAt(knots, distanceFromCentre(x, y))));
    }
    return pixels;
}

} // namespace

// A smooth falloff would not hit the profile's ring means by itself (each
// ring averages a curved stretch), so the values at whole distances are
// nudged until the rings' means match.
std::vector<SpritePixel> MakeSaverSpritePixels() {
    std::array<double, SPRITE_BRIGHTNESS_PROFILE.size()> knots{};
    const double brightnessPerRed = (SPRITE_RED + SPRITE_GREEN + SPRITE_BLUE) / (3.0 * SPRITE_RED);
    for (int k = 0; k < PROFILE_BINS; ++k)
        knots[k] = SPRITE_BRIGHTNESS_PROFILE[k] / brightnessPerRed;

    for (int round = 0; round < FIT_ROUNDS; ++round) {
        const std::vector<SpritePixel> pixels = render(knots);
        std::array<double, SPRITE_BRIGHTNESS_PROFILE.size()> sum{};
        std::array<int, SPRITE_BRIGHTNESS_PROFILE.size()> count{};
        for (int y = 0; y < SPRITE_SIZE; ++y) {
            for (int x = 0; x < SPRITE_SIZE; ++x) {
                const long ring = std::lround(distanceFromCentre(x, y));
                if (ring >= PROFILE_BINS)
                    continue;
                sum[ring] += brightness(pixels[y * SPRITE_SIZE + x]);
                ++count[ring];
            }
        }
        for (int k = 0; k < PROFILE_BINS; ++k) {
            if (count[k] == 0)
                continue;
            const double error = SPRITE_BRIGHTNESS_PROFILE[k] - sum[k] / count[k];
            knots[k] = std::clamp(knots[k] + 0.5 * error / brightnessPerRed, 0.0,
                                  static_cast<double>(SPRITE_RED));
        }
    }
    return render(knots);
}

std::vector<uint8_t> SaverSpriteBitmap(const std::vector<SpritePixel>& pixels) {
    return tools::Bmp24File(SPRITE_SIZE, SPRITE_SIZE, [&pixels](int x, int y) {
        const SpritePixel& p = pixels[y * SPRITE_SIZE + x];
        return tools::BmpRgb{p.red, p.green, p.blue};
    });
}

} // namespace kestro

#include "tools/settings_pictures/settings_pictures.h"

#include <algorithm>
#include <cmath>

namespace kestro::tools {

namespace {

// The hand is the outline of a union of rectangles: the raised index
// finger, three folded fingers, the palm, a thumb and the wrist.
struct FillRect {
    int left, top, right, bottom; // inclusive
};
constexpr FillRect HAND_PARTS[] = {
    {11, 11, 13, 24}, // index finger
    {15, 16, 17, 24}, // middle finger
    {19, 17, 21, 24}, // ring finger
    {23, 18, 24, 24}, // little finger
    {11, 21, 24, 27}, // palm
    {12, 28, 23, 30}, // wrist
};
// The thumb leans out to the lower left: one run per row.
constexpr FillRect THUMB_ROWS[] = {
    {6, 19, 8, 19}, {6, 20, 9, 20}, {7, 21, 10, 21}, {8, 22, 10, 22}, {9, 23, 10, 23},
};

bool inHand(int x, int y) {
    auto inside = [x, y](const FillRect& r) {
        return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
    };
    return std::any_of(std::begin(HAND_PARTS), std::end(HAND_PARTS), inside) ||
           std::any_of(std::begin(THUMB_ROWS), std::end(THUMB_ROWS), inside);
}

struct RingDot {
    float red, green, blue;
};
constexpr RingDot RING_COLOURS[] = {
    {1.0f, 1.0f, 1.0f}, {1.0f, 0.9f, 0.3f}, {1.0f, 0.55f, 0.1f}, {1.0f, 0.95f, 0.6f}};
constexpr int RING_DOTS = 16;
constexpr float ICON_CENTRE = 15.5f;
constexpr float DISC_RADIUS = 15.5f;
constexpr float RING_RADIUS_X = 11.0f;
constexpr float RING_RADIUS_Y = 5.5f;
constexpr float RING_TILT = -0.45f; // radians
constexpr float GLOW_SIGMA = 1.1f;

uint8_t channel(float value) {
    return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

} // namespace

Picture UnselectedMarkPicture() {
    Picture picture(MARK_SIZE, MARK_SIZE);
    for (int y = 0; y < MARK_SIZE; ++y) {
        for (int x = 0; x < MARK_SIZE; ++x) {
            const bool frame = x == 0 || y == 0 || x == MARK_SIZE - 1 || y == MARK_SIZE - 1;
            picture.at(x, y) = frame ? MARK_FRAME_UNSELECTED : MARK_FILL_UNSELECTED;
        }
    }
    return picture;
}

Picture SelectedMarkPicture() {
    Picture picture(MARK_SIZE, MARK_SIZE);
    std::fill(picture.pixels.begin(), picture.pixels.end(), MARK_FILL_SELECTED);
    return picture;
}

Picture DialogIconPicture() {
    Picture picture(ICON_SIZE, ICON_SIZE);
    for (int y = 0; y < ICON_SIZE; ++y) {
        for (int x = 0; x < ICON_SIZE; ++x) {
            const float dx = x - ICON_CENTRE, dy = y - ICON_CENTRE;
            const float distance = std::sqrt(dx * dx + dy * dy);
            // A dark blue disc, lighter towards its middle, with a soft edge.
            const float coverage = std::clamp(DISC_RADIUS + 0.5f - distance, 0.0f, 1.0f);
            float red = 0.0f, green = 0.0f, blue = 0.12f + 0.18f * (1.0f - distance / DISC_RADIUS);
            // Additive glow of the ring's particles, as the saver draws them.
            for (int i = 0; i < RING_DOTS; ++i) {
                const float a = 6.2831853f * i / RING_DOTS;
                const float ex = RING_RADIUS_X * std::cos(a), ey = RING_RADIUS_Y * std::sin(a);
                const float px = ICON_CENTRE + ex * std::cos(RING_TILT) - ey * std::sin(RING_TILT);
                const float py = ICON_CENTRE + ex * std::sin(RING_TILT) + ey * std::cos(RING_TILT);
                const float d2 = (x - px) * (x - px) + (y - py) * (y - py);
                const float glow = std::exp(-d2 / (2 * GLOW_SIGMA * GLOW_SIGMA));
                const RingDot& colour = RING_COLOURS[i % std::size(RING_COLOURS)];
                red += glow * colour.red;
                green += glow * colour.green;
                blue += glow * colour.blue;
            }
            picture.at(x, y) = {channel(red), channel(green), channel(blue), channel(coverage)};
        }
    }
    return picture;
}

std::vector<CursorPixel> HandCursorPixels() {
    std::vector<CursorPixel> pixels(static_cast<size_t>(CURSOR_SIZE) * CURSOR_SIZE,
                                    CursorPixel::Transparent);
    for (int y = 0; y < CURSOR_SIZE; ++y) {
        for (int x = 0; x < CURSOR_SIZE; ++x) {
            CursorPixel& pixel = pixels[static_cast<size_t>(y) * CURSOR_SIZE + x];
            if (inHand(x, y)) {
                pixel = CursorPixel::White;
            } else if (inHand(x - 1, y) || inHand(x + 1, y) || inHand(x, y - 1) ||
                       inHand(x, y + 1)) {
                pixel = CursorPixel::Black; // the outline, and the gaps between the fingers
            }
        }
    }
    return pixels;
}

} // namespace kestro::tools

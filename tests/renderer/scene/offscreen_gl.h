#pragma once
// An OpenGL context drawing into memory (Mesa's OSMesa), set up with the
// renderer's projection, so the scene's drawing can be checked by its pixels.

#include <cstddef>
#include <cstdint>
#include <vector>

#include <GL/osmesa.h>

namespace kestro::testing {

constexpr int SCREEN_WIDTH = 1024;
constexpr int SCREEN_HEIGHT = 768;

struct Rgb {
    int red;
    int green;
    int blue;
};

class OffscreenGl {
public:
    OffscreenGl(int width = SCREEN_WIDTH, int height = SCREEN_HEIGHT);
    ~OffscreenGl();
    OffscreenGl(const OffscreenGl&) = delete;
    OffscreenGl& operator=(const OffscreenGl&) = delete;

    bool ready() const { return ready_; }
    // Completes the drawing; then pixel() shows it.
    void finish();
    // Column from the left, row from the top, as on the screen.
    Rgb pixel(int column, int row) const;
    // Sum of all channels of all pixels.
    uint64_t totalLight() const;
    int width() const { return width_; }
    int height() const { return height_; }

private:
    int width_;
    int height_;
    std::vector<uint8_t> buffer_;
    OSMesaContext context_ = nullptr;
    bool ready_ = false;
};

} // namespace kestro::testing

#pragma once
// An OpenGL context whose pictures can be read back, set up with the
// renderer's projection, so the scene's drawing can be checked by its
// pixels. Natively it draws into memory (Mesa's OSMesa); under Wine it is a
// hidden window's context on the system's OpenGL.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace kestro::tools {

constexpr int SCREEN_WIDTH = 1024;
constexpr int SCREEN_HEIGHT = 768;

struct Rgb {
    int red;
    int green;
    int blue;
};

class OffscreenGlContext {
  public:
    OffscreenGlContext(int width = SCREEN_WIDTH, int height = SCREEN_HEIGHT);
    ~OffscreenGlContext();
    OffscreenGlContext(const OffscreenGlContext&) = delete;
    OffscreenGlContext& operator=(const OffscreenGlContext&) = delete;

    bool ready() const { return ready_; }
    // Completes the drawing; then pixel() shows it.
    void finish();
    // Column from the left, row from the top, as on the screen.
    Rgb pixel(int column, int row) const;
    // Sum of all channels of all pixels.
    uint64_t totalLight() const;

  private:
    struct Context;

    // The renderer's view: viewport and projection as the shell sets them.
    void setUpView();

    int width_;
    int height_;
    // RGBA, bottom row first, as OpenGL reads it.
    std::vector<uint8_t> buffer_;
    std::unique_ptr<Context> context_;
    bool ready_ = false;
};

} // namespace kestro::tools

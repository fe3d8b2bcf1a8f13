#include "tools/offscreen_gl/offscreen_gl_context.h"

#if defined(_WIN32)
#include <windows.h> // GLU's header relies on it there
#endif

#include <GL/gl.h>
#include <GL/glu.h>

namespace kestro::tools {

namespace {
// The shell's view: 35 degrees vertically, near 0.01 (as a float), far 6000.
constexpr double VIEW_ANGLE = 35.0;
constexpr double NEAR_PLANE = static_cast<double>(0.01f);
constexpr double FAR_PLANE = 6000.0;
} // namespace

void OffscreenGlContext::setUpView() {
    glViewport(0, 0, width_, height_);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(VIEW_ANGLE, static_cast<double>(width_) / height_, NEAR_PLANE, FAR_PLANE);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

Rgb OffscreenGlContext::pixel(int column, int row) const {
    const std::size_t at = (static_cast<std::size_t>(height_ - 1 - row) * width_ + column) * 4;
    return {buffer_[at], buffer_[at + 1], buffer_[at + 2]};
}

uint64_t OffscreenGlContext::totalLight() const {
    uint64_t total = 0;
    for (std::size_t i = 0; i < buffer_.size(); i += 4) {
        total += buffer_[i] + buffer_[i + 1] + buffer_[i + 2];
    }
    return total;
}

} // namespace kestro::tools

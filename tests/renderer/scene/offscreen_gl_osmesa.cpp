// Native: Mesa draws straight into the buffer.

#include "tests/renderer/scene/offscreen_gl.h"

#include <GL/osmesa.h>

namespace kestro::testing {

namespace {
constexpr int DEPTH_BITS = 32;
}

struct OffscreenGl::Context {
    OSMesaContext mesa = nullptr;
};

OffscreenGl::OffscreenGl(int width, int height)
    : width_(width), height_(height), buffer_(static_cast<std::size_t>(width) * height * 4, 0),
      context_(std::make_unique<Context>()) {
    context_->mesa = OSMesaCreateContextExt(OSMESA_RGBA, DEPTH_BITS, 0, 0, nullptr);
    if (context_->mesa == nullptr ||
        !OSMesaMakeCurrent(context_->mesa, buffer_.data(), GL_UNSIGNED_BYTE, width, height)) {
        return;
    }
    setUpView();
    ready_ = true;
}

OffscreenGl::~OffscreenGl() {
    if (context_->mesa != nullptr) {
        OSMesaDestroyContext(context_->mesa);
    }
}

void OffscreenGl::finish() {
    glFinish();
}

} // namespace kestro::testing

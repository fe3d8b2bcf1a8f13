// Native: Mesa draws straight into the buffer.

#include "tools/offscreen_gl/offscreen_gl_context.h"

#include <GL/osmesa.h>

namespace kestro::tools {

namespace {
constexpr int DEPTH_BITS = 32;
}

struct OffscreenGlContext::Context {
    OSMesaContext mesa = nullptr;
};

OffscreenGlContext::OffscreenGlContext(int width, int height)
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

OffscreenGlContext::~OffscreenGlContext() {
    if (context_->mesa != nullptr) {
        OSMesaDestroyContext(context_->mesa);
    }
}

void OffscreenGlContext::finish() {
    glFinish();
}

} // namespace kestro::tools

// Mesa's off-screen driver keeps some allocations of its current context for
// the life of the process; they are Mesa's own, not the renderer's.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libOSMesa.so\n";
}

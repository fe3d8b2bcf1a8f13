// Off-screen Mesa context: no display needed. One context serves the whole
// test program and stays current: Mesa keeps its framebuffer only through
// the current context, so destroying and recreating it per test leaks.

#include "tests/renderer/image/gl_test_context.h"

#include <GL/osmesa.h>

#include <vector>

namespace kestro::testing_gl {

namespace {

constexpr int BUFFER_SIDE = 64;

struct SharedContext {
    OSMesaContext context = nullptr;
    std::vector<unsigned char> buffer = std::vector<unsigned char>(BUFFER_SIDE * BUFFER_SIDE * 4);
    bool current = false;

    SharedContext() {
        context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
        if (context == nullptr)
            return;
        current = OSMesaMakeCurrent(context, buffer.data(), GL_UNSIGNED_BYTE, BUFFER_SIDE,
                                    BUFFER_SIDE) == GL_TRUE;
    }
};

SharedContext& sharedContext() {
    static SharedContext* shared = new SharedContext(); // lives until the process ends
    return *shared;
}

} // namespace

struct GlTestContext::Parts {};

GlTestContext::GlTestContext() : parts_(std::make_unique<Parts>()) {
    sharedContext();
}

GlTestContext::~GlTestContext() = default;

bool GlTestContext::current() const {
    return sharedContext().current;
}

} // namespace kestro::testing_gl

// Mesa keeps a few small allocations of the context where the leak checker
// cannot see them; they are Mesa's own, not the renderer's.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libOSMesa.so\n";
}

#pragma once
// A current OpenGL context for tests that make real textures: Mesa's
// off-screen context natively, a hidden window with WGL on Windows.

#include <memory>

namespace kestro::testing_gl {

class GlTestContext {
  public:
    GlTestContext();
    ~GlTestContext();
    GlTestContext(const GlTestContext&) = delete;
    GlTestContext& operator=(const GlTestContext&) = delete;

    // True when the context exists and is current on this thread.
    bool current() const;

    struct Parts;

  private:
    std::unique_ptr<Parts> parts_;
};

} // namespace kestro::testing_gl

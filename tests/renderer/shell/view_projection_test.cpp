// The projection set for the window, read back from a real GL context.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <array>
#include <cmath>

#include "renderer/shell/view_projection.h"
#include "tools/offscreen_gl/offscreen_gl_context.h"

namespace kestro {
namespace {

constexpr double PI = 3.14159265358979323846;

std::array<double, 16> projection() {
    std::array<double, 16> matrix{};
    glGetDoublev(GL_PROJECTION_MATRIX, matrix.data());
    return matrix;
}

class ViewProjection : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(gl.ready()); }
    tools::OffscreenGlContext gl;
};

TEST_F(ViewProjection, ThirtyFiveDegreesAtTheWindowsAspect) {
    resizeView(1024, 768);
    const auto m = projection();
    const double focal = 1.0 / std::tan(35.0 / 2.0 * PI / 180.0);
    // OpenGL keeps the matrix in single precision.
    EXPECT_FLOAT_EQ(m[5], focal);
    EXPECT_FLOAT_EQ(m[0], focal / (1024.0 / 768.0));
    const double nearPlane = 0.009999999776482582, farPlane = 6000.0;
    EXPECT_FLOAT_EQ(m[10], -(farPlane + nearPlane) / (farPlane - nearPlane));
    EXPECT_FLOAT_EQ(m[14], -2.0 * farPlane * nearPlane / (farPlane - nearPlane));

    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 1024);
    EXPECT_EQ(viewport[3], 768);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
}

TEST_F(ViewProjection, ZeroHeightStillGivesAFiniteProjection) {
    EXPECT_DOUBLE_EQ(viewAspect(800, 0), 800.0);
    EXPECT_DOUBLE_EQ(viewAspect(1024, 768), 1024.0 / 768.0);
    resizeView(800, 0);
    for (double value : projection())
        EXPECT_TRUE(std::isfinite(value)) << value;
}

} // namespace
} // namespace kestro

#pragma once
// The view of the renderer's window: viewport and perspective projection.

#include <cstdint>

namespace kestro {

constexpr double VIEW_ANGLE_DEGREES = 35.0;
// The near plane is the single-precision 0.01, widened.
constexpr double VIEW_NEAR = static_cast<double>(0.01f);
constexpr double VIEW_FAR = 6000.0;

// Width over height; a window without height counts as one row high, so
// the projection stays finite while there is nothing to see.
double viewAspect(int32_t width, int32_t height);

// Viewport over the whole client area, perspective projection, identity
// model-view. Called when the window is made and when it changes size.
void resizeView(int32_t width, int32_t height);

} // namespace kestro

#pragma once
// Paints a window through an off-screen image, so a background drawn line by
// line and the controls drawn over it reach the screen in one copy, without
// flicker.

#include <windows.h>

#include <functional>

namespace kestro {

// Within a WM_PAINT: `draw` paints the whole client area into a memory
// context (client coordinates), which is then copied to `target`.
void paintOffscreen(HWND window, HDC target, const std::function<void(HDC)>& draw);

} // namespace kestro

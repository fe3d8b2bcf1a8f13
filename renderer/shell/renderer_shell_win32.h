#pragma once
// The Windows pieces under Win32ShellPort: the renderer's window class and
// procedure, the monitor covers' class, the display mode and the pixel
// format.

#include <windows.h>

#include <cstdint>

#include "renderer/shell/shell_port.h"

namespace kestro {

bool registerRendererClass(const RendererClass& rendererClass);
// Hands each message to the RendererShell that owns the window.
LRESULT CALLBACK rendererWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The class of the black monitor covers, and one cover over the area, shown
// without being activated.
bool registerCoverClass(HINSTANCE instance);
HWND createCoverWindow(HINSTANCE instance, const RECT& area, bool topmost);

// True when the display now runs width x height at bits per pixel.
bool switchDisplayMode(int32_t width, int32_t height, int32_t bits);

// The pixel format the renderer asks for: RGBA, double-buffered, the given
// colour depth and a 32-bit depth buffer, nothing else.
PIXELFORMATDESCRIPTOR rendererPixelFormat(int32_t colourBits);

} // namespace kestro

#pragma once
// The Windows pieces under User32Port: the renderer's window class and
// procedure, the monitor covers' class and the display mode.

#include <windows.h>

#include <cstdint>

#include "renderer/shell/win32_port.h"

namespace kestro {

bool registerRendererClass(const RendererClass& rendererClass);
// Hands each message to the Win32Backend that owns the window.
LRESULT CALLBACK rendererWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The class of the black monitor covers, and one cover over the area, shown
// without being activated.
bool registerCoverClass(HINSTANCE instance);
HWND createCoverWindow(HINSTANCE instance, const RECT& area, bool topmost);

// True when the display now runs width x height at bits per pixel.
bool switchDisplayMode(int32_t width, int32_t height, int32_t bits);

} // namespace kestro

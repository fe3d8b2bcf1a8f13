#pragma once
// The OpenGL context of the renderer's window, through WGL: the pixel
// format the renderer asks for, the context made and made current, and
// the picture shown.

#include <windows.h>

#include <cstdint>

namespace kestro {

// RGBA, double-buffered, the given colour depth and a 32-bit depth buffer,
// nothing else.
PIXELFORMATDESCRIPTOR rendererPixelFormat(int32_t colourBits);

// 0 when no pixel format fits.
int chooseRendererPixelFormat(HDC dc, int32_t colourBits);
bool setRendererPixelFormat(HDC dc, int format, int32_t colourBits);
HGLRC createWglContext(HDC dc);
// A null context releases the current one.
bool makeWglContextCurrent(HDC dc, HGLRC context);
void deleteWglContext(HGLRC context);
void presentWglPicture(HDC dc);

} // namespace kestro

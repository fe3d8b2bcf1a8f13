#pragma once
// OpenGL 1.1 for the scene's drawing. The Windows GL header only needs the
// two calling-convention macros that <windows.h> would bring, so they are
// given here and the scene stays free of the rest of the platform header.

#if defined(_WIN32)
#ifndef APIENTRY
#define APIENTRY __stdcall
#endif
#ifndef WINGDIAPI
#define WINGDIAPI __declspec(dllimport)
#endif
#endif

#include <GL/gl.h>

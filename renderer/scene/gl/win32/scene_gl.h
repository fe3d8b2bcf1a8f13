#pragma once
// OpenGL 1.1 for the scene's drawing, on Windows. The system's GL header
// only needs the two calling-convention macros that <windows.h> would
// bring, so they are given here and the scene stays free of the rest of the
// platform header. The build puts this folder or its native twin on the
// scene's include path.

#ifndef APIENTRY
#define APIENTRY __stdcall
#endif
#ifndef WINGDIAPI
#define WINGDIAPI __declspec(dllimport)
#endif

#include <GL/gl.h>

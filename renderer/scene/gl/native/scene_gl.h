#pragma once
// OpenGL 1.1 for the scene's drawing, where the GL header stands on its own.
// The build puts this folder or its Windows twin on the scene's include path.

#include <GL/gl.h>

#include "renderer/shell/view_projection.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace kestro {

double viewAspect(int32_t width, int32_t height) {
    return static_cast<double>(width) / static_cast<double>(height > 0 ? height : 1);
}

void resizeView(int32_t width, int32_t height) {
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(VIEW_ANGLE_DEGREES, viewAspect(width, height), VIEW_NEAR, VIEW_FAR);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

} // namespace kestro

#include "linux/frame_rate_draw_port_gl.h"

#include <GL/gl.h>

namespace kestro {

namespace {

// The backing darkens what lies below it; the show still glows through.
constexpr GLfloat BACKING_OPACITY = 0.6f;
constexpr GLfloat TEXT_GREY = 1.0f;
constexpr int VIEWPORT_WIDTH = 2;
constexpr int VIEWPORT_HEIGHT = 3;

void addQuad(const PixelRect& rect) {
    glVertex2i(rect.x, rect.y);
    glVertex2i(rect.x + rect.width, rect.y);
    glVertex2i(rect.x + rect.width, rect.y + rect.height);
    glVertex2i(rect.x, rect.y + rect.height);
}

} // namespace

int GlFrameRateDrawPort::pictureHeight() {
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    return viewport[VIEWPORT_HEIGHT];
}

// In the picture's own pixels, on top of everything: a projection of its
// own, no texture, depth, lighting or fog; the scene's state and matrices
// are given back as they were.
void GlFrameRateDrawPort::drawPanel(const TextPanel& panel) {
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_COLOR_BUFFER_BIT | GL_TRANSFORM_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0.0, viewport[VIEWPORT_WIDTH], 0.0, viewport[VIEWPORT_HEIGHT], -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    glBegin(GL_QUADS);
    glColor4f(0.0f, 0.0f, 0.0f, BACKING_OPACITY);
    addQuad(panel.backing);
    glColor4f(TEXT_GREY, TEXT_GREY, TEXT_GREY, 1.0f);
    for (const PixelRect& cell : panel.cells)
        addQuad(cell);
    glEnd();

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
}

} // namespace kestro

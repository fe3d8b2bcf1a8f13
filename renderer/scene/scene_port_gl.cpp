#include "renderer/scene/scene_port_gl.h"

// The platform's twin, chosen by the build.
#include "scene_gl.h"

#include "renderer/scene/particle_cloud.h"

namespace kestro {

namespace {

// Lighting and fog are configured but never switched on; the values are
// kept so that turning either on gives the intended look.
constexpr GLfloat LIGHT_AMBIENT[] = {0.2f, 0.2f, 0.2f, 1.0f};
constexpr GLfloat LIGHT_DIFFUSE[] = {0.8f, 0.8f, 0.8f, 1.0f};
constexpr GLfloat LIGHT_SPECULAR[] = {1.0f, 1.0f, 1.0f, 1.0f};
constexpr GLfloat LIGHT_POSITION[] = {2.0f, 6.0f, 4.0f, 1.0f};
constexpr GLfloat FOG_COLOUR[] = {0.0f, 0.0f, 0.0f, 1.0f};
constexpr GLfloat FOG_DENSITY = 10.35f;
constexpr GLfloat FOG_START = 0.0f;
constexpr GLfloat FOG_END = 60.0f;

// The cloud's origin lies this far in front of the viewer.
constexpr GLfloat CLOUD_DISTANCE = 50.0f;

// The batch's arrays as OpenGL 1.1 client arrays, drawn as indexed
// triangles. The client state is restored afterwards, so that whatever
// draws after the scene (in immediate mode) finds it as before.
void drawBatch(const CloudBatch& batch) {
    if (batch.squareCount == 0)
        return;
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(PLACE_VALUES, GL_FLOAT, 0, batch.places.data());
    glColorPointer(COLOUR_VALUES, GL_FLOAT, 0, batch.colours.data());
    glTexCoordPointer(TEXTURE_VALUES, GL_SHORT, 0, batch.textureCoordinates.data());
    glDrawElements(GL_TRIANGLES, batch.indexCount(), GL_UNSIGNED_SHORT, batch.indices.data());
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

} // namespace

void GlScenePort::setUpState() {
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    // Additive blending weighted by alpha: crowded places grow bright.
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glLightfv(GL_LIGHT1, GL_AMBIENT, LIGHT_AMBIENT);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, LIGHT_DIFFUSE);
    glLightfv(GL_LIGHT1, GL_SPECULAR, LIGHT_SPECULAR);
    glLightfv(GL_LIGHT1, GL_POSITION, LIGHT_POSITION);
    glEnable(GL_LIGHT1);
    glDisable(GL_LIGHT0);
    glDisable(GL_LIGHTING);
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogfv(GL_FOG_COLOR, FOG_COLOUR);
    glFogf(GL_FOG_DENSITY, FOG_DENSITY);
    glHint(GL_FOG_HINT, GL_DONT_CARE);
    glFogf(GL_FOG_START, FOG_START);
    glFogf(GL_FOG_END, FOG_END);
}

void GlScenePort::loadSprite() {
    // A sprite that cannot be read leaves the texture without an image;
    // OpenGL then draws the particles as plain squares.
    if (spriteBytes_ != nullptr)
        sprite_.decode(spriteBytes_, spriteSize_);
    else
        sprite_.load(spritePath_);
    sprite_.flipVertical();
    sprite_.createTexture();
}

void GlScenePort::clearScreen() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
}

void GlScenePort::beginCloudPicture(const ParticleCloud& cloud) {
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glDisable(GL_LIGHTING);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glRotatef(cloud.params.spinAngle, 0.0f, 0.0f, 1.0f);
    glTranslatef(0.0f, 0.0f, -CLOUD_DISTANCE);
    sprite_.bind();
}

void GlScenePort::drawCloud(const ParticleCloud& cloud, float sizeScale) {
    beginCloudPicture(cloud);
    batchCloud(cloud, sizeScale, *batch_);
    drawBatch(*batch_);
}

void GlScenePort::finishFrame() {
    glFlush();
}

} // namespace kestro

// A scene that only clears to black and ends on Escape. The program links
// it while the particle scene is not part of the build, so the shell runs
// and can be tested on its own.

#include <GL/gl.h>

#include "renderer/scene/scene.h"

namespace kestro {

namespace {
RendererWindow* blankWindow = nullptr;
KeyTable* blankKeys = nullptr;
} // namespace

bool initScene(RendererWindow* window, KeyTable* keyTable) {
    blankWindow = window;
    blankKeys = keyTable;
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    return true;
}

void updateTiming(uint32_t) {
    if (blankKeys != nullptr && blankKeys->keys[KEY_ESCAPE] == 1)
        requestQuit(blankWindow);
}

void drawFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFlush();
}

} // namespace kestro

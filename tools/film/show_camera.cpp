#include "tools/film/show_camera.h"

#include <algorithm>

#include "renderer/renderer_scene.h"
#include "renderer/scene/scene_port_gl.h"
#include "renderer/shell/render_loop.h"
#include "renderer/shell/view_projection.h"
#include "tools/offscreen_gl/offscreen_gl_context.h"
#include <GL/gl.h>

namespace kestro {

namespace {
constexpr size_t RGB_BYTES = 3;
}

struct ShowCamera::Parts {
    explicit Parts(const std::string& path)
        : spritePath(path), gl(SHOW_WIDTH, SHOW_HEIGHT), display(sprite, spritePath.c_str()),
          scene(display, [] {}) {}

    std::string spritePath;
    tools::OffscreenGlContext gl;
    TextureImage sprite;
    GlScenePort display;
    RendererScene scene;
    const KeyTable keys{};
    StepPacer pacer;
};

ShowCamera::ShowCamera(const std::string& spritePath)
    : parts_(std::make_unique<Parts>(spritePath)) {}

ShowCamera::~ShowCamera() = default;

bool ShowCamera::start(std::string& problem) {
    if (!parts_->gl.ready()) {
        problem = "no off-screen OpenGL context";
        return false;
    }
    // The renderer's own view, as its shell sets it for its window.
    resizeView(SHOW_WIDTH, SHOW_HEIGHT);
    if (!parts_->scene.initScene(parts_->keys)) {
        problem = "the scene did not start";
        return false;
    }
    parts_->pacer.restart(0);
    return true;
}

Picture ShowCamera::pictureAt(uint64_t microseconds) {
    runDueSteps(parts_->pacer, parts_->scene, microseconds);
    parts_->gl.finish();
    // Read straight from the colour buffer: OpenGL's rows run bottom-up.
    Picture screen;
    screen.width = SHOW_WIDTH;
    screen.height = SHOW_HEIGHT;
    const size_t rowBytes = static_cast<size_t>(SHOW_WIDTH) * RGB_BYTES;
    std::vector<uint8_t> bottomUp(rowBytes * SHOW_HEIGHT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, SHOW_WIDTH, SHOW_HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    screen.rgb.resize(bottomUp.size());
    for (int row = 0; row < SHOW_HEIGHT; ++row)
        std::copy_n(bottomUp.begin() + static_cast<ptrdiff_t>(rowBytes * (SHOW_HEIGHT - 1 - row)),
                    rowBytes, screen.rgb.begin() + static_cast<ptrdiff_t>(rowBytes * row));
    return scaledDown(screen, FILM_WIDTH, FILM_HEIGHT);
}

} // namespace kestro

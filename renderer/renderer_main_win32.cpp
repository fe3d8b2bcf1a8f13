// The renderer program's entry and composition root: the class, window
// record, key table, system port, sprite and scene live here for the whole
// run, and only here are shell, scene and image put together.

#include <windows.h>

#include "common/shared_names.h"
#include "renderer/image/texture_image.h"
#include "renderer/renderer_scene.h"
#include "renderer/scene/gl_scene_display.h"
#include "renderer/shell/render_loop.h"
#include "renderer/shell/renderer_shell_win32.h"

namespace kestro {
namespace {

// Only the instance is used; the program reads no arguments. 0 after a
// normal end, -1 when the class cannot be registered.
int rendererMain(HINSTANCE instance) {
    RendererClass rendererClass{instance, RENDERER_CLASS_NAME};
    KeyTable keyTable{};
    Win32ShellPort port;
    RendererWindow window = makeRendererWindow(&rendererClass, &keyTable, &port);
    TextureImage sprite;
    GlSceneDisplay display(sprite, SPRITE_FILE_PATH);
    RendererScene scene(display, [&window] { requestQuit(&window); });
    return runRenderer(rendererClass, window, scene);
}

} // namespace
} // namespace kestro

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return kestro::rendererMain(instance);
}

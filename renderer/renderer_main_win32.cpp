// The renderer program's entry and composition root: the system port, the
// Win32 backend, the shell core, the sprite and the scene live here for the
// whole run, and only here are shell, scene and image put together.

#include <windows.h>

#include "common/shared_names.h"
#include "renderer/image/texture_image.h"
#include "renderer/renderer_scene.h"
#include "renderer/scene/scene_port_gl.h"
#include "renderer/shell/shell_core.h"
#include "renderer/shell/win32_backend.h"
#include "renderer/shell/user32_port_win32.h"

namespace kestro {
namespace {

// The first window is full screen; the screen-mode toggle switches it.
constexpr bool FIRST_WINDOW_FULL_SCREEN = true;

// Only the instance is used; the program reads no arguments. 0 after a
// normal end, -1 when the class cannot be registered.
int rendererMain(HINSTANCE instance) {
    User32Port port;
    Win32Backend backend(port, RendererClass{instance, RENDERER_CLASS_NAME});
    ShellCore shell(backend, FIRST_WINDOW_FULL_SCREEN);
    TextureImage sprite;
    GlScenePort display(sprite, SPRITE_FILE_PATH);
    RendererScene scene(display, [&shell] { shell.requestQuit(); });
    return shell.run(scene);
}

} // namespace
} // namespace kestro

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return kestro::rendererMain(instance);
}

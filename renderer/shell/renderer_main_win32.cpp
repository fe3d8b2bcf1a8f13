// The renderer program's entry: the class, window record and key table
// live here for the whole run.

#include "renderer/scene/scene.h"
#include "renderer/shell/render_loop.h"
#include "renderer/shell/renderer_shell_win32.h"

namespace kestro {

int rendererMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    RendererClass rendererClass{instance, RENDERER_CLASS_NAME};
    KeyTable keyTable{};
    SystemShellPort port;
    RendererWindow window = makeRendererWindow(&rendererClass, &keyTable, &port);
    const SceneHooks scene{initScene, updateTiming, drawFrame};
    return runRenderer(rendererClass, window, scene);
}

} // namespace kestro

// The outer loop (one pass per window) and the per-window message and
// render loop. Frames follow each other as fast as the buffer swap returns;
// only a minimised window waits for messages.

#include "renderer/shell/render_loop.h"

#include "renderer/shell/shell_port.h"

namespace kestro {

RendererWindow makeRendererWindow(RendererClass* rendererClass, KeyTable* keyTable,
                                  ShellPort* port) {
    RendererWindow window{};
    window.keyTable = keyTable;
    window.classInfo = rendererClass;
    window.title = RENDERER_WINDOW_TITLE;
    window.width = RENDERER_WIDTH;
    window.height = RENDERER_HEIGHT;
    window.colourBits = RENDERER_COLOUR_BITS;
    window.fullScreen = 1;
    window.port = port;
    return window;
}

int runRenderer(RendererClass& rendererClass, RendererWindow& window, const SceneHooks& scene) {
    ShellPort& port = *window.port;
    if (!port.registerClass(rendererClass))
        return -1;
    keepRunning = 1;
    fullScreenRequest = window.fullScreen;
    do {
        window.fullScreen = fullScreenRequest;
        if (!createGlWindow(&window)) {
            keepRunning = 0;
            break;
        }
        if (scene.initScene(&window, window.keyTable)) {
            runMessageLoop(window, scene);
        } else {
            requestQuit(&window);
        }
        destroyGlWindow(&window);
    } while (keepRunning == 1);
    port.unregisterClass(rendererClass);
    return 0;
}

void runMessageLoop(RendererWindow& window, const SceneHooks& scene) {
    ShellPort& port = *window.port;
    for (;;) {
        const TakenMessage taken = port.takeMessage(window.hwnd);
        if (taken == TakenMessage::Quit)
            return;
        if (taken == TakenMessage::Dispatched)
            continue;
        if (window.drawing == 0) {
            port.waitMessage();
            continue;
        }
        const uint32_t now = port.tickCount();
        // Unsigned difference: right across the tick counter's wrap.
        scene.updateTiming(now - window.lastTick);
        window.lastTick = now;
        scene.drawFrame();
        port.swapBuffers(window.hdc);
    }
}

} // namespace kestro

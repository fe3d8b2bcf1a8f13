// The outer loop (one pass per window) and the per-window message and
// render loop. The scene advances in fixed steps paced by the clock; the
// loop draws once for each pass that has a step due, and otherwise sleeps
// until the next step or a message. A minimised window only waits for
// messages.

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
    window.keepRunning = 0;
    window.fullScreenRequest = 1;
    return window;
}

int runRenderer(RendererClass& rendererClass, RendererWindow& window, SceneHooks& scene) {
    ShellPort& port = *window.port;
    if (!port.registerClass(rendererClass))
        return -1;
    StepPacer pacer;
    window.keepRunning = 1;
    window.fullScreenRequest = window.fullScreen;
    do {
        window.fullScreen = window.fullScreenRequest;
        if (!createGlWindow(&window)) {
            window.keepRunning = 0;
            break;
        }
        if (scene.initScene(window.keyTable)) {
            // The time the new window took is not made up for.
            pacer.restart(port.clockMicroseconds());
            runMessageLoop(window, scene, pacer);
        } else {
            requestQuit(&window);
        }
        destroyGlWindow(&window);
    } while (window.keepRunning == 1);
    port.unregisterClass(rendererClass);
    return 0;
}

bool runDueSteps(StepPacer& pacer, SceneHooks& scene, uint64_t nowMicroseconds) {
    const uint32_t due = pacer.takeDueSteps(nowMicroseconds);
    for (uint32_t step = 1; step <= due; ++step) {
        scene.updateTiming(pacer.nextStepMs());
        scene.drawFrame(step == due);
    }
    return due > 0;
}

void runMessageLoop(RendererWindow& window, SceneHooks& scene, StepPacer& pacer) {
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
        const uint64_t now = port.clockMicroseconds();
        if (runDueSteps(pacer, scene, now))
            port.swapBuffers(window.hdc);
        else
            port.waitMessageOrTimeout(pacer.microsecondsUntilNextStep(now));
    }
}

} // namespace kestro

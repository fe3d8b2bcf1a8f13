#pragma once
// The renderer's life: register the class, then create the window, let the
// scene set up and run frames until told to quit, destroy the window, and
// go round again while a screen-mode toggle asks for a new window.

#include <cstdint>

#include "renderer/shell/renderer_window.h"

namespace kestro {

// The scene as the shell drives it (renderer/scene/scene.h in the program).
struct SceneHooks {
    bool (*initScene)(RendererWindow* window, KeyTable* keyTable);
    void (*updateTiming)(uint32_t elapsedMilliseconds);
    void (*drawFrame)();
};

// 0 after a normal end, -1 when the class cannot be registered.
int runRenderer(RendererClass& rendererClass, RendererWindow& window, const SceneHooks& scene);

// One window's message and render loop, until the quit message is taken.
void runMessageLoop(RendererWindow& window, const SceneHooks& scene);

// A window record with the renderer's fixed size, depth and title, full
// screen requested and no handles yet.
RendererWindow makeRendererWindow(RendererClass* rendererClass, KeyTable* keyTable,
                                  ShellPort* port);

} // namespace kestro

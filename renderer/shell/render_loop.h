#pragma once
// The renderer's life: register the class, then create the window, let the
// scene set up and run its steps until told to quit, destroy the window, and
// go round again while a screen-mode toggle asks for a new window.

#include <cstdint>

#include "renderer/shell/renderer_window.h"
#include "renderer/shell/step_pacer.h"

namespace kestro {

// The scene as the shell drives it. The renderer's composition root binds
// it to the real scene; the shell knows nothing more of it.
class SceneHooks {
  public:
    virtual ~SceneHooks() = default;
    // After every window creation; false ends the program.
    virtual bool initScene(KeyTable* keyTable) = 0;
    // The step's elapsed time; the scene checks Escape here.
    virtual void updateTiming(uint32_t elapsedMilliseconds) = 0;
    // The step's logic and timeline advance. Only the one step of a pass
    // whose picture is presented is drawn; the others run the same logic
    // without drawing.
    virtual void drawFrame(bool drawn) = 0;
};

// 0 after a normal end, -1 when the class cannot be registered.
int runRenderer(RendererClass& rendererClass, RendererWindow& window, SceneHooks& scene);

// One window's message and render loop, until the quit message is taken.
void runMessageLoop(RendererWindow& window, SceneHooks& scene, StepPacer& pacer);

// One pass over the steps the clock has made due at `now`: each runs in
// full, the last one drawn. True when a picture was drawn.
bool runDueSteps(StepPacer& pacer, SceneHooks& scene, uint64_t nowMicroseconds);

// A window record with the renderer's fixed size, depth and title, full
// screen requested and no handles yet.
RendererWindow makeRendererWindow(RendererClass* rendererClass, KeyTable* keyTable,
                                  ShellPort* port);

} // namespace kestro

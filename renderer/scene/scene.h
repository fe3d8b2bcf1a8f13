#pragma once
// The scene as the shell drives it: set-up after every window creation, then
// per frame updateTiming followed by drawFrame.

#include <cstdint>

#include "renderer/shell/key_table.h"

namespace kestro {

bool initScene(RendererWindow* window, KeyTable* keyTable);
void updateTiming(uint32_t elapsedMilliseconds);
void drawFrame();

// The scene's random source: 0 to 32767, the same sequence in every run.
int32_t sceneRandom();

} // namespace kestro

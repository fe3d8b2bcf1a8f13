#pragma once
// What the renderer shell hands the scene: the key table it fills from
// keyboard messages, and the way to end the program.

#include <cstdint>

namespace kestro {

constexpr int KEY_COUNT = 256;
constexpr int KEY_ESCAPE = 27;

// 1 = key held, 0 = released, indexed by virtual-key code. Cleared each time
// a window is created.
struct KeyTable {
    int32_t keys[KEY_COUNT];
};

// Defined by the shell (renderer_window.h); the scene only passes
// the pointer back to requestQuit.
struct RendererWindow;

// Posts WM_QUIT to the window and stops the outer loop from creating another.
// Native tests of the scene provide their own definition.
void requestQuit(RendererWindow* window);

} // namespace kestro

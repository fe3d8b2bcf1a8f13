#pragma once
// The keys as the shell keeps them: filled from the keyboard messages of the
// renderer's window, handed to its owner with every new window.

#include <cstdint>

namespace kestro {

constexpr int KEY_COUNT = 256;
constexpr int KEY_ESCAPE = 27;

// 1 = key held, 0 = released, indexed by virtual-key code. Cleared each time
// a window is created.
struct KeyTable {
    int32_t keys[KEY_COUNT];
};

} // namespace kestro

#pragma once
// Keys as Wayland hands them over: Linux input event codes, the key's place
// on the keyboard rather than its meaning under a layout.

#include <cstdint>

namespace kestro {

// The key table's index (a Windows virtual-key code) of the key at an evdev
// code, read as on a US keyboard, or -1 for a key the table does not hold.
int virtualKeyOfEvdev(uint32_t code);

} // namespace kestro

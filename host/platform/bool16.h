#pragma once
// The host's 16-bit booleans: the stored properties and the flags its
// designer kept as integers hold true as -1 (every bit set), false as 0.

#include <cstdint>

namespace kestro {

constexpr int16_t BOOL16_TRUE = -1;
constexpr int16_t BOOL16_FALSE = 0;

} // namespace kestro

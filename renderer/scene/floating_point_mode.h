#pragma once
// The particle cloud divides by zero on purpose (a pace or span of 0) and
// relies on the infinity that gives. Floating-point traps must stay masked
// for that; a driver loaded with an OpenGL context may have unmasked them.

namespace kestro {

// Masks every floating-point trap of the calling thread.
void maskFloatingPointTraps();

} // namespace kestro

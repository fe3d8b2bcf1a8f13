#pragma once
#include <cstdint>

namespace kestro {

// Raw result of the host's last wrapped platform call; a caller that needs a
// result tests it right after its own call.
extern int32_t LastApiResult;

} // namespace kestro

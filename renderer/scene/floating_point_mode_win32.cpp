#include "renderer/scene/floating_point_mode.h"

#include <float.h>

namespace kestro {

void maskFloatingPointTraps() {
    // The MinGW runtime's feholdexcept leaves the SSE trap masks alone;
    // the CRT's control word call sets them for x87 and SSE alike.
    unsigned int control = 0;
    _controlfp_s(&control, _MCW_EM, _MCW_EM);
}

} // namespace kestro

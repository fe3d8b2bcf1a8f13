#include "renderer/scene/floating_point_mode.h"

#include <cfenv>

namespace kestro {

void maskFloatingPointTraps() {
    // Non-stop mode is what feholdexcept installs; the saved state is not
    // wanted back.
    std::fenv_t previous;
    std::feholdexcept(&previous);
}

} // namespace kestro

#pragma once
// The looks a Command button can be painted with, and the states it moves
// through. A state bears the name of a skin but does not pick the skin: each
// transition names the skin it paints.

#include <cstdint>

namespace kestro {

enum class ButtonState : uint8_t {
    Uninitialized = 0, // before Initialize
    Normal = 1,
    HighLight = 2,       // pointer over the control, no focus
    Selected = 3,        // focus, pointer elsewhere
    HighLightSelect = 4, // focus and pointer over the control
};

enum class Skin : uint8_t { Normal, HighLight, HighLightSelect, Selected, Pressed, Disable };

constexpr int SKIN_COUNT = 6;

} // namespace kestro

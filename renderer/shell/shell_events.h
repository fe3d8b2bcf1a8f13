#pragma once
// What the shell calls up to its owner, the scene's side of the program.
// A composition root binds it to the real scene; the shell knows nothing
// more of it.

#include <cstdint>

#include "renderer/shell/key_table.h"

namespace kestro {

class ShellEvents {
  public:
    virtual ~ShellEvents() = default;
    // After every window creation, with the shell's keys; false ends the
    // program.
    virtual bool initScene(const KeyTable& keys) = 0;
    // The step's elapsed time; the scene checks its quit key here.
    virtual void updateTiming(uint32_t elapsedMilliseconds) = 0;
    // The step's logic and timeline advance. Only the one step of a pass
    // whose picture is presented is drawn; the others run the same logic
    // without drawing.
    virtual void drawFrame(bool drawn) = 0;
};

} // namespace kestro

#pragma once
// One pass over the steps of the show the clock has made due: what the
// shell core's loop runs, and what the tools that drive the scene by a
// clock of their own run too.

#include <cstdint>

#include "renderer/shell/render_loop_port.h"
#include "renderer/shell/shell_events.h"
#include "renderer/shell/step_pacer.h"

namespace kestro {

// The old loop the X11 and Win32 shells still run until they stand on the
// shell core: until a message ends it.
void runMessageLoop(RenderLoopPort& port, ShellEvents& events, StepPacer& pacer,
                    const bool& drawing);

// Each due step runs in full, the last one drawn. True when a picture was
// drawn.
bool runDueSteps(StepPacer& pacer, ShellEvents& events, uint64_t nowMicroseconds);

} // namespace kestro

#pragma once
// The one message and render loop every shell runs for its window. The
// scene advances in fixed steps paced by the clock; the loop draws once for
// each pass that has a step due, and otherwise sleeps until the next step
// or a message. A window that is not drawing only waits for messages.

#include <cstdint>

#include "renderer/shell/render_loop_port.h"
#include "renderer/shell/shell_events.h"
#include "renderer/shell/step_pacer.h"

namespace kestro {

// Until a message ends the loop. `drawing` is the shell's own flag, which
// the messages the loop takes may change.
void runMessageLoop(RenderLoopPort& port, ShellEvents& events, StepPacer& pacer,
                    const bool& drawing);

// One pass over the steps the clock has made due at `now`: each runs in
// full, the last one drawn. True when a picture was drawn.
bool runDueSteps(StepPacer& pacer, ShellEvents& events, uint64_t nowMicroseconds);

} // namespace kestro

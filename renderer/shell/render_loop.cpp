#include "renderer/shell/render_loop.h"

namespace kestro {

bool runDueSteps(StepPacer& pacer, ShellEvents& events, uint64_t nowMicroseconds) {
    const uint32_t due = pacer.takeDueSteps(nowMicroseconds);
    for (uint32_t step = 1; step <= due; ++step) {
        events.updateTiming(pacer.nextStepMs());
        events.drawFrame(step == due);
    }
    return due > 0;
}

} // namespace kestro

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

void runMessageLoop(RenderLoopPort& port, ShellEvents& events, StepPacer& pacer,
                    const bool& drawing) {
    for (;;) {
        const TakenMessage taken = port.takeMessage();
        if (taken == TakenMessage::Quit)
            return;
        if (taken == TakenMessage::Dispatched)
            continue;
        if (!drawing) {
            port.waitMessage();
            continue;
        }
        const uint64_t now = port.clockMicroseconds();
        if (runDueSteps(pacer, events, now))
            port.presentFrame();
        else
            port.waitMessageOrTimeout(pacer.microsecondsUntilNextStep(now));
    }
}

} // namespace kestro

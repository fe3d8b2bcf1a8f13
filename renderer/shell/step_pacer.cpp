#include "renderer/shell/step_pacer.h"

namespace kestro {

namespace {

constexpr uint32_t LONG_STEP_MS = 17;
constexpr uint32_t SHORT_STEP_MS = 16;
static_assert(2 * LONG_STEP_MS + SHORT_STEP_MS == STEP_PATTERN_MS);
static_assert(STEPS_PER_SECOND % STEP_PATTERN_LENGTH == 0);

// Steps due from the origin up to and including this moment: the first at
// the origin, then one every 1/60 s, counted exactly in whole microseconds.
uint64_t stepsDueBy(uint64_t sinceOrigin) {
    return sinceOrigin * STEPS_PER_SECOND / MICROSECONDS_PER_SECOND + 1;
}

// Offset from the origin at which the step with this index is due.
uint64_t dueTimeOf(uint64_t stepIndex) {
    return (stepIndex * MICROSECONDS_PER_SECOND + STEPS_PER_SECOND - 1) / STEPS_PER_SECOND;
}

} // namespace

uint32_t designedStepMs(uint64_t stepIndex) {
    return stepIndex % STEP_PATTERN_LENGTH == STEP_PATTERN_LENGTH - 1 ? SHORT_STEP_MS
                                                                      : LONG_STEP_MS;
}

void StepPacer::restart(uint64_t nowMicroseconds) {
    originMicroseconds_ = nowMicroseconds;
    stepsTaken_ = 0;
}

uint32_t StepPacer::takeDueSteps(uint64_t nowMicroseconds) {
    if (nowMicroseconds < originMicroseconds_)
        return 0;
    const uint64_t due = stepsDueBy(nowMicroseconds - originMicroseconds_) - stepsTaken_;
    if (due > MAX_CATCH_UP_STEPS) {
        stepsTaken_ += due;
        return MAX_CATCH_UP_STEPS;
    }
    stepsTaken_ += due;
    return static_cast<uint32_t>(due);
}

uint32_t StepPacer::nextStepMs() {
    return designedStepMs(stepsRun_++);
}

uint64_t StepPacer::microsecondsUntilNextStep(uint64_t nowMicroseconds) const {
    const uint64_t dueAt = originMicroseconds_ + dueTimeOf(stepsTaken_);
    return dueAt > nowMicroseconds ? dueAt - nowMicroseconds : 0;
}

} // namespace kestro

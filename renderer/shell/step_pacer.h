#pragma once
// When the scene's steps are due and which of them is drawn. The show
// advances in fixed steps of one designed frame, 60 a second of wall time,
// whatever the display's rate: each pass of the render loop runs the steps
// the clock has made due and draws only the last of them; when none is due
// the loop waits. Portable: the clock is read by the caller and handed in.

#include <cstdint>

namespace kestro {

constexpr uint64_t MICROSECONDS_PER_SECOND = 1000000;

// The show is designed for 60 frames a second. It advances in steps of one
// designed frame whose elapsed milliseconds repeat 17, 17, 16: three steps
// are exactly 50 ms and sixty exactly one second.
constexpr uint32_t STEPS_PER_SECOND = 60;
constexpr uint32_t STEP_PATTERN_LENGTH = 3;
constexpr uint32_t STEP_PATTERN_MS = 50;

// Elapsed milliseconds of the step with this index, counting from 0.
uint32_t designedStepMs(uint64_t stepIndex);
// One pass runs at most half a second of steps; a longer stall (suspend, a
// debugger, a long minimise) drops the rest, and the show goes on from where
// it was.
constexpr uint32_t MAX_CATCH_UP_STEPS = 30;

class StepPacer {
  public:
    // Starts the clock, or takes it up again after the window was made
    // anew: one step is due at once and the next ones follow at the designed
    // pace from there. The elapsed-time pattern goes on where it was.
    void restart(uint64_t nowMicroseconds);

    // Steps the clock has made due since the last pass, at most
    // MAX_CATCH_UP_STEPS; they count as taken.
    uint32_t takeDueSteps(uint64_t nowMicroseconds);

    // Elapsed milliseconds of the next step to run (17, 17, 16, ...).
    uint32_t nextStepMs();

    // Time left until the next step is due; 0 when one is due already.
    uint64_t microsecondsUntilNextStep(uint64_t nowMicroseconds) const;

  private:
    // Time of the first step after the last restart.
    uint64_t originMicroseconds_ = 0;
    // Steps since the origin that were run or dropped.
    uint64_t stepsTaken_ = 0;
    // Steps run in the whole life of the program.
    uint64_t stepsRun_ = 0;
};

} // namespace kestro

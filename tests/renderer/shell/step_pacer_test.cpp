// The pacing decisions against a fake clock: passes of the render loop at
// a display's rate, and how many steps each runs and whether it draws.

#include "renderer/shell/step_pacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace kestro {
namespace {

struct PaceCount {
    uint64_t steps = 0;
    uint64_t draws = 0;
    uint64_t milliseconds = 0;
};

// Passes at the given times (microseconds from the start); a pass draws
// when it has at least one step due.
PaceCount runPasses(StepPacer& pacer, const std::vector<uint64_t>& passTimes) {
    PaceCount count;
    for (const uint64_t now : passTimes) {
        const uint32_t due = pacer.takeDueSteps(now);
        for (uint32_t i = 0; i < due; ++i)
            count.milliseconds += pacer.nextStepMs();
        count.steps += due;
        count.draws += due > 0 ? 1 : 0;
    }
    return count;
}

std::vector<uint64_t> passesAtRate(uint64_t hertz, uint64_t seconds) {
    std::vector<uint64_t> times;
    for (uint64_t pass = 0; pass <= hertz * seconds; ++pass)
        times.push_back((pass * MICROSECONDS_PER_SECOND + hertz - 1) / hertz);
    return times;
}

TEST(StepPacer, FastDisplayGetsSixtyNewPicturesASecond) {
    StepPacer pacer;
    pacer.restart(0);
    const PaceCount count = runPasses(pacer, passesAtRate(144, 10));
    EXPECT_NEAR(static_cast<double>(count.draws) / 10.0, 60.0, 1.0);
    EXPECT_EQ(count.steps, count.draws) << "never more than one step per pass at 144 Hz";
}

TEST(StepPacer, SlowDisplayDrawsAtItsRateWhileTheStepsKeepTheDesignedPace) {
    StepPacer pacer;
    pacer.restart(0);
    // The first pass at time 0 runs the first step.
    const PaceCount count = runPasses(pacer, passesAtRate(8, 10));
    EXPECT_EQ(count.draws, 8u * 10 + 1);
    EXPECT_EQ(count.steps, 60u * 10 + 1);
    EXPECT_EQ(count.milliseconds, 10000u + 17) << "60 steps make exactly one second";
}

TEST(StepPacer, StallRunsAtMostTheBoundAndTheShowGoesOnFromThere) {
    StepPacer pacer;
    pacer.restart(0);
    runPasses(pacer, passesAtRate(60, 1));
    const uint64_t afterStall = 4 * MICROSECONDS_PER_SECOND;
    EXPECT_EQ(pacer.takeDueSteps(afterStall), MAX_CATCH_UP_STEPS);
    EXPECT_EQ(pacer.takeDueSteps(afterStall), 0u) << "the dropped time is not owed";
    EXPECT_EQ(pacer.takeDueSteps(afterStall + 16667), 1u);
}

TEST(StepPacer, WaitLastsUntilTheNextStepIsDue) {
    StepPacer pacer;
    pacer.restart(5000);
    EXPECT_EQ(pacer.microsecondsUntilNextStep(5000), 0u);
    EXPECT_EQ(pacer.takeDueSteps(5000), 1u);
    EXPECT_EQ(pacer.microsecondsUntilNextStep(5000), 16667u);
    EXPECT_EQ(pacer.takeDueSteps(5000 + 16666), 0u) << "one microsecond early";
    EXPECT_EQ(pacer.microsecondsUntilNextStep(5000 + 16666), 1u);
    EXPECT_EQ(pacer.takeDueSteps(5000 + 16667), 1u);
    // Three steps span exactly 50 ms of the clock.
    EXPECT_EQ(pacer.takeDueSteps(5000 + 50000), 2u);
    EXPECT_EQ(pacer.microsecondsUntilNextStep(5000 + 50000), 16667u);
}

TEST(StepPacer, RestartMakesOneStepDueAndKeepsTheElapsedPattern) {
    StepPacer pacer;
    pacer.restart(0);
    EXPECT_EQ(pacer.takeDueSteps(0), 1u);
    EXPECT_EQ(pacer.nextStepMs(), 17u);
    pacer.restart(2 * MICROSECONDS_PER_SECOND);
    EXPECT_EQ(pacer.takeDueSteps(2 * MICROSECONDS_PER_SECOND), 1u);
    EXPECT_EQ(pacer.nextStepMs(), 17u);
    EXPECT_EQ(pacer.nextStepMs(), 16u);
    EXPECT_EQ(pacer.nextStepMs(), 17u);
}

TEST(StepPacer, ClockBeforeTheOriginRunsNothing) {
    StepPacer pacer;
    pacer.restart(1000);
    EXPECT_EQ(pacer.takeDueSteps(999), 0u);
}

} // namespace
} // namespace kestro

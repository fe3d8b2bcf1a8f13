#include "renderer/scene/scene_timeline.h"

namespace kestro {

namespace {
constexpr uint32_t LONG_STEP_MS = 17;
constexpr uint32_t SHORT_STEP_MS = 16;
static_assert(2 * LONG_STEP_MS + SHORT_STEP_MS == STEP_PATTERN_MS);
static_assert(STEPS_PER_SECOND % STEP_PATTERN_LENGTH == 0);
} // namespace

uint32_t designedStepMs(uint64_t stepIndex) {
    return stepIndex % STEP_PATTERN_LENGTH == STEP_PATTERN_LENGTH - 1 ? SHORT_STEP_MS
                                                                      : LONG_STEP_MS;
}

void recordElapsed(SceneTimeline& timeline, uint32_t elapsedMilliseconds) {
    timeline.elapsedMs = static_cast<int32_t>(elapsedMilliseconds);
    timeline.waitMs += elapsedMilliseconds;
}

bool waitIsOver(const SceneTimeline& timeline) {
    return timeline.waitMs > WAIT_LENGTH_MS;
}

void startParticlePhase(SceneTimeline& timeline) {
    timeline.scenePhase = PHASE_PARTICLES;
    timeline.waitMs = 0;
}

void advanceTimeline(SceneTimeline& timeline) {
    ++timeline.stageFrame;
    if (timeline.stageFrame > LAST_STAGE_FRAME) {
        timeline.stageFrame = 0;
        ++timeline.stage;
    }
}

} // namespace kestro

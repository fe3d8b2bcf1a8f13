#include "renderer/scene/scene_timeline.h"

namespace kestro {

void recordElapsed(SceneTimeline& timeline, uint32_t elapsedMilliseconds) {
    timeline.elapsedMs = static_cast<int32_t>(elapsedMilliseconds);
    timeline.waitMs += elapsedMilliseconds;
}

bool waitIsOver(const SceneTimeline& timeline) {
    return timeline.waitMs > WAIT_LENGTH_MS;
}

void startParticlePhase(SceneTimeline& timeline) {
    timeline.stage = FIRST_SHOW_STAGE;
    timeline.elapsedMs = 0;
    timeline.scenePhase = ScenePhase::Particles;
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

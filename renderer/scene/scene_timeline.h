#pragma once
// The frame-counted timeline the choreography is keyed to: a black wait of
// just over a second, then stages of 129 frames each.

#include <cstdint>

namespace kestro {

// The show's two phases: the black wait, then the particles for good. Their
// numbers are those the scene checksum has always counted.
enum class ScenePhase : int32_t { Wait = 0, Particles = 3 };

constexpr int32_t LAST_STAGE_FRAME = 128;
constexpr uint32_t WAIT_LENGTH_MS = 1000;
// The stage the particle phase opens with; stages 0 to 3 only ever run after
// a restart.
constexpr int32_t FIRST_SHOW_STAGE = 4;
constexpr float FRAME_SIZE_SCALE = 1.0f;

struct SceneTimeline {
    ScenePhase scenePhase = ScenePhase::Wait;
    int32_t stage = 0;
    int32_t stageFrame = 0;
    // Milliseconds since the previous frame; all motion is scaled by it.
    int32_t elapsedMs = 0;
    // Milliseconds summed up while waiting.
    uint32_t waitMs = 0;
    float sizeScale = 0.0f;
};

// Takes the time the shell measured for this frame.
void recordElapsed(SceneTimeline& timeline, uint32_t elapsedMilliseconds);

// True once the wait has lasted more than WAIT_LENGTH_MS.
bool waitIsOver(const SceneTimeline& timeline);

// Leaves the wait for good, at the first show stage. The frame that does it
// draws the cloud without moving it (no elapsed time); stageFrame is kept,
// so that stage may begin part-way through.
void startParticlePhase(SceneTimeline& timeline);

// Moves to the next frame, and to the next stage after frame 128. Runs in
// every phase.
void advanceTimeline(SceneTimeline& timeline);

} // namespace kestro

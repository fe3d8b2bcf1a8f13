#pragma once
// The choreography of the cloud: cues keyed to (stage, stageFrame). At a cue
// the colour of new particles, the three pace scales and the turning rate
// change at once, and hold until the next cue or reset.

#include <array>
#include <cstdint>

#include "renderer/scene/particle_cloud.h"

namespace kestro {

constexpr int STAGE_CUE_COUNT = 112;

struct StageCue {
    int32_t stage;
    int32_t frame;
    float spinDivisor;
    float paceScaleX;
    float paceScaleY;
    float paceScaleZ;
    float emitRed;
    float emitGreen;
    float emitBlue;
    // Only one cue turns the spin on; nothing but a reset turns it off.
    bool startsSpin = false;
};

// Ordered by stage, then frame; each pair occurs once.
extern const std::array<StageCue, STAGE_CUE_COUNT> STAGE_CUES;

// The cue for exactly this pair, or null.
const StageCue* findStageCue(int32_t stage, int32_t frame);

// Stores the cue's values when one exists for this pair. True when it did.
bool applyStageScript(CloudParameters& params, int32_t stage, int32_t frame);

} // namespace kestro

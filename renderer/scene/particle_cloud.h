#pragma once
// The particle cloud without its drawing: 4000 particles born on a widening
// emission path 50 units in front of the viewer, flying apart along their own
// axes, fading and being born again. All values are single-precision in
// storage; a division by zero yields an infinity or not-a-number, which the
// cloud tolerates (such a particle is invisible until it is born again).

#include <array>
#include <cmath>
#include <cstdint>

#include "renderer/scene/scene_random.h"
#include "renderer/scene/scene_timeline.h"

namespace kestro {

constexpr int PARTICLE_COUNT = 4000;

// Births stop after this stage so the cloud fades out; a frame that starts at
// the restart stage begins the cycle again at stage 0.
constexpr int32_t LAST_BIRTH_STAGE = 15;
constexpr int32_t RESTART_STAGE = 17;
// From this stage on the emitter circles and widens faster.
constexpr int32_t FAST_EMITTER_STAGE = 14;

struct Particle {
    uint8_t alive;
    float opacity;
    // Milliseconds in which the opacity falls by 1.
    float lifeSpanMs;
    float red;
    float green;
    float blue;
    float x;
    float y;
    float z;
    // Divisors of the motion per axis: a small magnitude means fast.
    float paceX;
    float paceY;
    float paceZ;
    float paceDriftX;
    float paceDriftY;
    float paceDriftZ;
    // Added to the base half-size of the square.
    float padX;
    float padY;
};

struct CloudParameters {
    float paceScaleX = 0.0f;
    float paceScaleY = 0.0f;
    float paceScaleZ = 0.0f;
    float emitRed = 0.0f;
    float emitGreen = 0.0f;
    float emitBlue = 0.0f;
    uint8_t spinOn = 0;
    // Milliseconds per degree of turn; negative turns clockwise.
    float spinDivisor = 0.0f;
    // Turn of the whole cloud about the view axis, degrees.
    float spinAngle = 0.0f;
    float emitRadiusX = 0.0f;
    float emitRadiusY = 0.0f;
    // Phases of the emission path, radians; no reset touches them.
    float emitAngleX = 0.0f;
    float emitAngleY = 0.0f;
};

struct ParticleCloud {
    std::array<Particle, PARTICLE_COUNT> particles{};
    CloudParameters params;
};

enum class ResetForm {
    // After each window creation: the timeline is left alone.
    SetUp,
    // After stage 16: back to stage 0 with the restart colours.
    Restart,
};

// Gives every particle a faint red colour and a span of a few milliseconds,
// so all of them are born at the emitter on the first frame that has time in
// it. Draws four random numbers per particle, in table order.
void resetParticles(ResetForm form, ParticleCloud& cloud, SceneTimeline& timeline,
                    SceneRandom& random);

// Gives a dead particle a new life at the emitter, and moves the emitter one
// step along its path.
void respawnParticle(Particle& particle, CloudParameters& params, const SceneTimeline& timeline,
                     SceneRandom& random);

// The part of a frame before the particles are drawn: the restart after
// stage 16, the stage script's cue for this frame, and the turn of the cloud.
void beginCloudFrame(ParticleCloud& cloud, SceneTimeline& timeline, SceneRandom& random);

// True when drawing the particle can change the picture. Blending adds the
// colour weighted by the opacity, which OpenGL clamps to 0 when negative, so
// a faded particle adds nothing; one whose position went non-finite (a pace
// of 0) is invisible by design. Both are skipped rather than handed to the
// driver, which also keeps not-a-number values away from it. Asked of every
// particle in every picture, so it is inline.
inline bool addsToPicture(const Particle& particle) {
    return particle.alive != 0 && particle.opacity > 0.0f && std::isfinite(particle.x) &&
           std::isfinite(particle.y) && std::isfinite(particle.z);
}

// The part of a frame after the particles are drawn: every live particle
// moves, fades, and is born again when it has faded out while births run.
void advanceParticles(ParticleCloud& cloud, const SceneTimeline& timeline, SceneRandom& random);

} // namespace kestro

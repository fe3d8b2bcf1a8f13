#include "renderer/scene/particle_cloud.h"

#include <cmath>

#include "renderer/scene/stage_script.h"

namespace kestro {

namespace {

// After a reset every particle is barely visible and dies within 5 ms.
constexpr float RESET_OPACITY = 0.01f;
constexpr int32_t RESET_SPAN_MODULUS = 100;
constexpr float RESET_SPAN_STEP_MS = 0.05f;
constexpr float RESET_SPAN_BASE_MS = 0.003f;
constexpr int32_t RESET_PACE_MODULUS = 50;
constexpr int32_t RESET_PACE_OFFSET_X = 26;
constexpr int32_t RESET_PACE_OFFSET = 25;
constexpr float RESET_PACE_FACTOR = 10.0f;
constexpr float RESET_PACE_SCALE = 50.0f;
constexpr float RESET_EMIT_RADIUS = 0.01f;

struct Colour {
    float red;
    float green;
    float blue;
};
constexpr Colour RESET_COLOUR{0.1f, 0.0f, 0.0f};
constexpr Colour RESTART_EMIT_COLOUR{0.1f, 0.05f, 0.1f};

constexpr float BIRTH_OPACITY = 1.0f;
// A bitwise AND, not a remainder: the span is a sum of some of 16, 32, 64,
// 256, 512, 1024 and 4096 ms.
constexpr int32_t BIRTH_SPAN_MASK = 6000;
constexpr int32_t BIRTH_PACE_MODULUS = 300;
constexpr int32_t BIRTH_PACE_OFFSET = 150;
constexpr int32_t BIRTH_DEPTH_PACE_MODULUS = 20;
constexpr int32_t BIRTH_DEPTH_PACE_OFFSET = 10;
constexpr float BIRTH_PAD_FACTOR = 0.5f;

struct EmitterPace {
    float angleXPerMs;
    float angleYPerMs;
    float radiusStepPerMs;
    float radiusLimit;
};
constexpr EmitterPace SLOW_EMITTER{0.00016666666f, 0.00014285714f, 0.0000033333333f, 10.0f};
constexpr EmitterPace FAST_EMITTER{0.00033333333f, 0.00028571428f, 0.00005f, 15.0f};

// The emission angles grow for as long as the saver runs. Left alone they
// would reach magnitudes where a single-precision step of a few thousandths
// of a radian rounds away (after some hours), and the emitter would stand
// still. Past this bound they are brought back into one turn, which leaves
// the path where it was.
constexpr double FULL_TURN = 6.283185307179586;
constexpr double EMIT_ANGLE_WRAP_BOUND = FULL_TURN * 32;

float advancedAngle(float angle, float step) {
    const double advanced = static_cast<double>(angle) + static_cast<double>(step);
    if (std::fabs(advanced) < EMIT_ANGLE_WRAP_BOUND) {
        return static_cast<float>(advanced);
    }
    return static_cast<float>(std::fmod(advanced, FULL_TURN));
}

void setEmitColour(CloudParameters& params, const Colour& colour) {
    params.emitRed = colour.red;
    params.emitGreen = colour.green;
    params.emitBlue = colour.blue;
}

void moveEmitter(CloudParameters& params, int32_t stage, float elapsed) {
    const EmitterPace& pace = stage >= FAST_EMITTER_STAGE ? FAST_EMITTER : SLOW_EMITTER;
    params.emitAngleX = advancedAngle(params.emitAngleX, elapsed * pace.angleXPerMs);
    params.emitAngleY = advancedAngle(params.emitAngleY, elapsed * pace.angleYPerMs);
    // Each radius is tested on its own and may end a little above the limit.
    if (params.emitRadiusX < pace.radiusLimit) {
        params.emitRadiusX += elapsed * pace.radiusStepPerMs;
    }
    if (params.emitRadiusY < pace.radiusLimit) {
        params.emitRadiusY += elapsed * pace.radiusStepPerMs;
    }
}

} // namespace

void resetParticles(ResetForm form, ParticleCloud& cloud, SceneTimeline& timeline,
                    SceneRandom& random) {
    if (form == ResetForm::Restart) {
        timeline.stage = 0;
        timeline.scenePhase = ScenePhase::Particles;
    }

    CloudParameters& params = cloud.params;
    setEmitColour(params, RESET_COLOUR);
    params.paceScaleX = RESET_PACE_SCALE;
    params.paceScaleY = RESET_PACE_SCALE;
    params.paceScaleZ = RESET_PACE_SCALE;
    params.spinAngle = 0.0f;
    params.spinOn = 0;
    params.emitRadiusX = RESET_EMIT_RADIUS;
    params.emitRadiusY = RESET_EMIT_RADIUS;

    // Position and pads are left as they are: every particle is born again
    // before it is seen at full strength.
    for (Particle& particle : cloud.particles) {
        particle.alive = 1;
        particle.opacity = RESET_OPACITY;
        particle.lifeSpanMs =
            static_cast<float>(random.next() % RESET_SPAN_MODULUS) * RESET_SPAN_STEP_MS +
            RESET_SPAN_BASE_MS;
        particle.red = RESET_COLOUR.red;
        particle.green = RESET_COLOUR.green;
        particle.blue = RESET_COLOUR.blue;
        particle.paceX =
            static_cast<float>(random.next() % RESET_PACE_MODULUS - RESET_PACE_OFFSET_X) *
            RESET_PACE_FACTOR;
        particle.paceY =
            static_cast<float>(random.next() % RESET_PACE_MODULUS - RESET_PACE_OFFSET) *
            RESET_PACE_FACTOR;
        particle.paceZ =
            static_cast<float>(random.next() % RESET_PACE_MODULUS - RESET_PACE_OFFSET) *
            RESET_PACE_FACTOR;
        particle.paceDriftX = 0.0f;
        particle.paceDriftY = 0.0f;
        particle.paceDriftZ = 0.0f;
    }

    if (form == ResetForm::Restart) {
        setEmitColour(params, RESTART_EMIT_COLOUR);
    }
}

void respawnParticle(Particle& particle, CloudParameters& params, const SceneTimeline& timeline,
                     SceneRandom& random) {
    particle.opacity = BIRTH_OPACITY;
    particle.lifeSpanMs = static_cast<float>(random.next() & BIRTH_SPAN_MASK);

    // Born where the emitter stands before it moves on.
    particle.x = static_cast<float>(std::sin(static_cast<double>(params.emitAngleX)) *
                                    static_cast<double>(params.emitRadiusX));
    particle.y = static_cast<float>(std::cos(static_cast<double>(params.emitAngleY)) *
                                    static_cast<double>(params.emitRadiusY));
    particle.z = 0.0f;
    moveEmitter(params, timeline.stage, static_cast<float>(timeline.elapsedMs));

    particle.paceX = static_cast<float>(random.next() % BIRTH_PACE_MODULUS - BIRTH_PACE_OFFSET);
    particle.paceY = static_cast<float>(random.next() % BIRTH_PACE_MODULUS - BIRTH_PACE_OFFSET);
    particle.paceZ =
        static_cast<float>(random.next() % BIRTH_DEPTH_PACE_MODULUS - BIRTH_DEPTH_PACE_OFFSET);

    particle.padX = timeline.sizeScale * BIRTH_PAD_FACTOR;
    particle.padY = timeline.sizeScale * BIRTH_PAD_FACTOR;

    particle.red = params.emitRed;
    particle.green = params.emitGreen;
    particle.blue = params.emitBlue;
}

void beginCloudFrame(ParticleCloud& cloud, SceneTimeline& timeline, SceneRandom& random) {
    if (timeline.stage >= RESTART_STAGE) {
        resetParticles(ResetForm::Restart, cloud, timeline, random);
    }
    applyStageScript(cloud.params, timeline.stage, timeline.stageFrame);
    // Stages without spin carry a divisor of 0; it is never divided by then.
    if (cloud.params.spinOn == 1) {
        cloud.params.spinAngle += static_cast<float>(timeline.elapsedMs) / cloud.params.spinDivisor;
    }
}

void advanceParticles(ParticleCloud& cloud, const SceneTimeline& timeline, SceneRandom& random) {
    CloudParameters& params = cloud.params;
    const float elapsed = static_cast<float>(timeline.elapsedMs);
    const bool birthsRun = timeline.stage <= LAST_BIRTH_STAGE;

    for (Particle& particle : cloud.particles) {
        if (particle.alive == 0) {
            continue;
        }
        particle.x += elapsed / particle.paceX / params.paceScaleX;
        particle.y += elapsed / particle.paceY / params.paceScaleY;
        particle.z += elapsed / particle.paceZ / params.paceScaleZ;

        particle.paceX += particle.paceDriftX;
        particle.paceY += particle.paceDriftY;
        particle.paceZ += particle.paceDriftZ;

        particle.opacity -= elapsed / particle.lifeSpanMs;
        // Written as "not at least 0" so that a not-a-number opacity (a span
        // of 0 in a frame without time) also counts as dead.
        const bool faded = !(particle.opacity >= 0.0f);
        if (faded && birthsRun) {
            respawnParticle(particle, params, timeline, random);
        }
    }
}

} // namespace kestro

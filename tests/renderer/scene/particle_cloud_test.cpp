#include "renderer/scene/particle_cloud.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

#include <gtest/gtest.h>

namespace kestro {
namespace {

// The 16001st value of the sequence: what follows a reset's 4000 x 4 draws.
constexpr int32_t DRAW_AFTER_ONE_RESET = 13672;

class ParticleCloudTest : public ::testing::Test {
  protected:
    std::unique_ptr<ParticleCloud> cloud = std::make_unique<ParticleCloud>();
    CloudParameters& params = cloud->params;
    SceneTimeline timeline;
    SceneRandom random;

    void frameOf(int32_t elapsedMs, int32_t stage) {
        timeline.elapsedMs = elapsedMs;
        timeline.stage = stage;
        timeline.sizeScale = 1.0f;
    }
};

TEST_F(ParticleCloudTest, SetUpResetGivesTheFirstParticlesTheirSpansAndPaces) {
    timeline.stage = 9;
    timeline.scenePhase = ScenePhase::Particles;
    cloud->particles[0].x = 3.0f;
    cloud->particles[0].padX = 0.5f;
    params.emitAngleX = 1.5f;
    params.spinOn = 1;
    params.spinAngle = 42.0f;

    resetParticles(ResetForm::SetUp, *cloud, timeline, random);

    // Draws 41, 18467, 6334, 26500: span 41 mod 100 = 41 -> 41 x 0.05 + 0.003;
    // paces (17 - 26) x 10, (34 - 25) x 10, (0 - 25) x 10.
    const Particle& first = cloud->particles[0];
    EXPECT_EQ(first.alive, 1);
    EXPECT_FLOAT_EQ(first.opacity, 0.01f);
    EXPECT_FLOAT_EQ(first.lifeSpanMs, 2.053f);
    EXPECT_EQ(first.paceX, -90.0f);
    EXPECT_EQ(first.paceY, 90.0f);
    EXPECT_EQ(first.paceZ, -250.0f);
    EXPECT_EQ(first.paceDriftX, 0.0f);
    EXPECT_FLOAT_EQ(first.red, 0.1f);
    EXPECT_EQ(first.green, 0.0f);
    EXPECT_EQ(first.blue, 0.0f);
    EXPECT_EQ(first.x, 3.0f) << "position is left as it was";
    EXPECT_EQ(first.padX, 0.5f) << "pads are left as they were";

    // Draws 19169, 15724, 11478, 29358.
    const Particle& second = cloud->particles[1];
    EXPECT_FLOAT_EQ(second.lifeSpanMs, 3.453f);
    EXPECT_EQ(second.paceX, -20.0f);
    EXPECT_EQ(second.paceY, 30.0f);
    EXPECT_EQ(second.paceZ, -170.0f);
    // Draws 26962, 24464, 5705, 28145.
    const Particle& third = cloud->particles[2];
    EXPECT_FLOAT_EQ(third.lifeSpanMs, 3.103f);
    EXPECT_EQ(third.paceX, -120.0f);
    EXPECT_EQ(third.paceY, -200.0f);
    EXPECT_EQ(third.paceZ, 200.0f);

    for (const Particle& particle : cloud->particles) {
        ASSERT_GE(particle.lifeSpanMs, 0.003f);
        ASSERT_LE(particle.lifeSpanMs, 4.9530001f);
    }
    EXPECT_EQ(random.next(), DRAW_AFTER_ONE_RESET) << "exactly four draws per particle";

    // Whatever the cloud's parameters were, a reset leaves the same ones
    // (the emission angles apart).
    auto other = std::make_unique<ParticleCloud>();
    other->params.paceScaleX = 7.0f;
    other->params.spinOn = 1;
    other->params.spinAngle = -3.0f;
    other->params.emitRadiusY = 9.0f;
    other->params.emitAngleX = 1.5f;
    SceneTimeline otherTimeline;
    SceneRandom otherRandom;
    resetParticles(ResetForm::SetUp, *other, otherTimeline, otherRandom);
    EXPECT_EQ(std::memcmp(&other->params, &params, sizeof params), 0);
    EXPECT_EQ(params.spinOn, 0);
    EXPECT_EQ(params.spinAngle, 0.0f);
    EXPECT_EQ(params.emitAngleX, 1.5f) << "no reset touches the emission angles";
    EXPECT_EQ(timeline.stage, 9);
}

TEST_F(ParticleCloudTest, RestartResetGoesBackToStageZeroWithTheRestartColour) {
    timeline.stage = 17;
    timeline.stageFrame = 5;

    resetParticles(ResetForm::Restart, *cloud, timeline, random);

    EXPECT_EQ(timeline.stage, 0);
    EXPECT_EQ(timeline.stageFrame, 5);
    EXPECT_EQ(timeline.scenePhase, ScenePhase::Particles);
    EXPECT_FLOAT_EQ(params.emitRed, 0.1f);
    EXPECT_FLOAT_EQ(params.emitGreen, 0.05f);
    EXPECT_FLOAT_EQ(params.emitBlue, 0.1f);
    // The particles themselves keep the faint red of every reset.
    EXPECT_FLOAT_EQ(cloud->particles[0].red, 0.1f);
    EXPECT_EQ(cloud->particles[0].green, 0.0f);
    EXPECT_EQ(cloud->particles[0].blue, 0.0f);
}

TEST_F(ParticleCloudTest, RespawnDrawsSpanThenPacesAndIsBornWhereTheEmitterStood) {
    frameOf(16, 4);
    params.emitRadiusX = 0.01f;
    params.emitRadiusY = 0.01f;
    params.emitRed = 0.3f;
    params.emitGreen = 0.35f;
    params.emitBlue = 0.5f;
    Particle& particle = cloud->particles[0];
    particle.opacity = -0.2f;

    respawnParticle(particle, params, timeline, random);

    EXPECT_EQ(particle.opacity, 1.0f);
    // 41 AND 6000 = 32 (41 mod 6000 would be 41).
    EXPECT_EQ(particle.lifeSpanMs, 32.0f);
    EXPECT_EQ(particle.x, 0.0f);        // sin 0 x 0.01
    EXPECT_FLOAT_EQ(particle.y, 0.01f); // cos 0 x 0.01
    EXPECT_EQ(particle.z, 0.0f);
    // 18467 mod 300 - 150, 6334 mod 300 - 150, 26500 mod 20 - 10.
    EXPECT_EQ(particle.paceX, 17.0f);
    EXPECT_EQ(particle.paceY, -116.0f);
    EXPECT_EQ(particle.paceZ, -10.0f);
    EXPECT_EQ(particle.padX, 0.5f);
    EXPECT_EQ(particle.padY, 0.5f);
    EXPECT_FLOAT_EQ(particle.red, 0.3f);
    EXPECT_FLOAT_EQ(particle.green, 0.35f);
    EXPECT_FLOAT_EQ(particle.blue, 0.5f);
    // The emitter moved one step of 16 ms on the slow path.
    EXPECT_FLOAT_EQ(params.emitAngleX, 16 * 0.00016666666f);
    EXPECT_FLOAT_EQ(params.emitAngleY, 16 * 0.00014285714f);
    EXPECT_FLOAT_EQ(params.emitRadiusX, 0.01f + 16 * 0.0000033333333f);
    EXPECT_FLOAT_EQ(params.emitRadiusY, 0.01f + 16 * 0.0000033333333f);

    Particle& next = cloud->particles[1];
    respawnParticle(next, params, timeline, random);
    // 19169 AND 6000 = 608.
    EXPECT_EQ(next.lifeSpanMs, 608.0f);
    EXPECT_FLOAT_EQ(next.x, 2.6808855e-05f); // sin(0.0026666666) x 0.010053333
    EXPECT_FLOAT_EQ(next.y, 0.010053307f);   // cos(0.0022857142) x 0.010053333
    EXPECT_EQ(next.paceX, -26.0f);
    EXPECT_EQ(next.paceY, -72.0f);
    EXPECT_EQ(next.paceZ, 8.0f);
}

TEST_F(ParticleCloudTest, EmitterRunsFasterAndWiderFromStage14) {
    frameOf(100, 14);
    params.emitRadiusX = 14.999f;
    params.emitRadiusY = 15.0f;
    respawnParticle(cloud->particles[0], params, timeline, random);
    EXPECT_FLOAT_EQ(params.emitAngleX, 100 * 0.00033333333f);
    EXPECT_FLOAT_EQ(params.emitAngleY, 100 * 0.00028571428f);
    EXPECT_FLOAT_EQ(params.emitRadiusX, 15.004f) << "may end a little above the limit";
    EXPECT_EQ(params.emitRadiusY, 15.0f) << "at the limit it stops";

    frameOf(100, 13);
    params.emitAngleX = 0.0f;
    params.emitRadiusX = 10.0f;
    params.emitRadiusY = 9.9999f;
    respawnParticle(cloud->particles[0], params, timeline, random);
    EXPECT_FLOAT_EQ(params.emitAngleX, 100 * 0.00016666666f);
    EXPECT_EQ(params.emitRadiusX, 10.0f);
    EXPECT_FLOAT_EQ(params.emitRadiusY, 9.9999f + 100 * 0.0000033333333f);
}

TEST_F(ParticleCloudTest, EmitterKeepsMovingAfterHoursOfBirths) {
    // An angle this large is where a step of 16 ms (0.0027 rad) would round
    // away in single precision and freeze the emission point.
    frameOf(16, 4);
    params.emitAngleX = 100000.0f;
    params.emitAngleY = 100000.0f;
    respawnParticle(cloud->particles[0], params, timeline, random);
    const double expected = std::sin(100000.0 + 16 * 0.00016666666);
    EXPECT_NEAR(std::sin(params.emitAngleX), expected, 1e-3);
    EXPECT_GE(params.emitAngleX, 0.0f);
    EXPECT_LT(params.emitAngleX, 6.2832f);

    for (int birth = 0; birth < 10; ++birth) {
        const float before = params.emitAngleX;
        respawnParticle(cloud->particles[0], params, timeline, random);
        ASSERT_NEAR(params.emitAngleX - before, 16 * 0.00016666666f, 1e-5);
    }
}

TEST_F(ParticleCloudTest, MotionDividesElapsedTimeByPaceAndScale) {
    Particle& slow = cloud->particles[0];
    slow = Particle{1, 1.0f, 1e9f, 0, 0, 0, 0, 0, 0, 100.0f, -1.0f, 50.0f, 0, 0, 0, 0, 0};
    params.paceScaleX = 10.0f;
    params.paceScaleY = 1.0f;
    params.paceScaleZ = 2.0f;
    frameOf(1000, 4);
    advanceParticles(*cloud, timeline, random);
    // 0.001 units per ms to the right; 1 unit per ms downwards.
    EXPECT_FLOAT_EQ(slow.x, 1.0f);
    EXPECT_FLOAT_EQ(slow.y, -1000.0f);
    EXPECT_FLOAT_EQ(slow.z, 10.0f);
    EXPECT_EQ(cloud->particles[1].x, 0.0f) << "a particle not alive is left alone";
}

TEST_F(ParticleCloudTest, AgeingFadesByElapsedOverSpanAndDriftsThePaces) {
    Particle& particle = cloud->particles[0];
    particle = Particle{1,      1.0f,   2000.0f, 0,    0,     0,    0, 0, 0,
                        100.0f, 100.0f, 100.0f,  1.0f, -2.0f, 0.5f, 0, 0};
    params.paceScaleX = params.paceScaleY = params.paceScaleZ = 1.0f;
    frameOf(500, 4);
    advanceParticles(*cloud, timeline, random);
    EXPECT_FLOAT_EQ(particle.opacity, 0.75f);
    EXPECT_EQ(particle.paceX, 101.0f);
    EXPECT_EQ(particle.paceY, 98.0f);
    EXPECT_EQ(particle.paceZ, 100.5f);
    EXPECT_FLOAT_EQ(particle.x, 5.0f) << "moved with the pace before the drift";
}

TEST_F(ParticleCloudTest, FirstFrameWithoutTimeMovesFadesAndBearsNothing) {
    resetParticles(ResetForm::SetUp, *cloud, timeline, random);
    cloud->particles[7].x = 2.5f;
    frameOf(0, 4);
    advanceParticles(*cloud, timeline, random);
    for (const Particle& particle : cloud->particles) {
        ASSERT_EQ(particle.opacity, 0.01f);
    }
    EXPECT_EQ(cloud->particles[7].x, 2.5f);
    EXPECT_EQ(random.next(), DRAW_AFTER_ONE_RESET) << "no birth drew a number";
}

TEST_F(ParticleCloudTest, FirstFrameWithTimeBearsEveryParticleNearTheCentre) {
    resetParticles(ResetForm::SetUp, *cloud, timeline, random);
    frameOf(16, 4);
    advanceParticles(*cloud, timeline, random);

    // Draws 13672, 14417, 16505, 3982 then 23828, 12253, 610, 29538.
    const Particle& first = cloud->particles[0];
    EXPECT_EQ(first.lifeSpanMs, 5472.0f);
    EXPECT_EQ(first.x, 0.0f);
    EXPECT_FLOAT_EQ(first.y, 0.01f);
    EXPECT_EQ(first.paceX, -133.0f);
    EXPECT_EQ(first.paceY, -145.0f);
    EXPECT_EQ(first.paceZ, -8.0f);
    EXPECT_EQ(cloud->particles[1].lifeSpanMs, 5392.0f);
    EXPECT_EQ(cloud->particles[1].paceX, 103.0f);

    // 4000 steps of 16 ms widen each radius by 0.2133 at most.
    for (const Particle& particle : cloud->particles) {
        ASSERT_EQ(particle.opacity, 1.0f);
        ASSERT_LE(std::fabs(particle.x), 0.2234f);
        ASSERT_LE(std::fabs(particle.y), 0.2234f);
        ASSERT_EQ(particle.z, 0.0f);
    }
    // 4000 single-precision additions round a little on the way.
    EXPECT_NEAR(params.emitRadiusX, 0.01f + 4000 * 16 * 0.0000033333333f, 1e-5f);
}

TEST_F(ParticleCloudTest, BirthsStopAfterStage15) {
    Particle& particle = cloud->particles[0];
    particle = Particle{1, 0.1f, 100.0f, 0, 0, 0, 0, 0, 0, 100.0f, 100.0f, 100.0f, 0, 0, 0, 0, 0};
    params.paceScaleX = params.paceScaleY = params.paceScaleZ = 1.0f;
    frameOf(50, 16);
    advanceParticles(*cloud, timeline, random);
    EXPECT_FLOAT_EQ(particle.opacity, -0.4f);
    advanceParticles(*cloud, timeline, random);
    EXPECT_FLOAT_EQ(particle.opacity, -0.9f) << "a dead particle keeps fading";

    frameOf(50, 15);
    advanceParticles(*cloud, timeline, random);
    EXPECT_EQ(particle.opacity, 1.0f);
}

TEST_F(ParticleCloudTest, OpacityLandingExactlyOnZeroLivesOneMoreStepThenIsBornAgain) {
    // Birth spans are sums of 16, 32, 64 ... ms and steps last 16 or 17 ms,
    // so in the show a 16 ms span ends exactly on 0 after a 16 ms step.
    // Only an opacity below 0 is dead: at 0 the particle stays where it
    // flew, adds nothing to the picture, and is born again on the next step.
    params.paceScaleX = params.paceScaleY = params.paceScaleZ = 1.0f;
    params.emitRadiusX = params.emitRadiusY = 0.01f;
    Particle& sixteen = cloud->particles[0];
    sixteen = Particle{1, 1.0f, 16.0f, 1, 1, 1, 0, 0, 0, 100.0f, 100.0f, 100.0f, 0, 0, 0, 0, 0};
    Particle& thirtyTwo = cloud->particles[1];
    thirtyTwo = Particle{1, 1.0f, 32.0f, 1, 1, 1, 0, 0, 0, 100.0f, 100.0f, 100.0f, 0, 0, 0, 0, 0};

    frameOf(16, 4);
    advanceParticles(*cloud, timeline, random);
    EXPECT_EQ(sixteen.opacity, 0.0f);
    EXPECT_FLOAT_EQ(sixteen.x, 0.16f) << "moved on; not born at the emitter";
    EXPECT_EQ(sixteen.lifeSpanMs, 16.0f);
    EXPECT_EQ(thirtyTwo.opacity, 0.5f);
    EXPECT_FALSE(addsToPicture(sixteen)) << "drawn at opacity 0, it adds nothing";

    advanceParticles(*cloud, timeline, random);
    EXPECT_EQ(thirtyTwo.opacity, 0.0f);
    EXPECT_FLOAT_EQ(thirtyTwo.x, 0.32f);
    // The particle at 0 fell below it: born again, and it alone drew numbers.
    EXPECT_EQ(sixteen.opacity, 1.0f);
    EXPECT_EQ(sixteen.lifeSpanMs, 32.0f) << "41 AND 6000: the first draw of the sequence";
    EXPECT_EQ(sixteen.x, 0.0f);
    EXPECT_FLOAT_EQ(sixteen.y, 0.01f);
    EXPECT_TRUE(addsToPicture(sixteen));

    // From stage 16 on, one that lands on 0 stays and then fades away.
    frameOf(16, 16);
    advanceParticles(*cloud, timeline, random);
    EXPECT_LT(thirtyTwo.opacity, 0.0f);
    EXPECT_FLOAT_EQ(thirtyTwo.x, 0.48f);
    EXPECT_FALSE(addsToPicture(thirtyTwo));
}

TEST_F(ParticleCloudTest, DivisionByZeroYieldsInfinitiesAndNaNsWithoutTrapping) {
    Particle& zeroPace = cloud->particles[0];
    zeroPace = Particle{1, 1.0f, 1000.0f, 0, 0, 0, 0, 0, 0, 0.0f, 100.0f, 100.0f, 0, 0, 0, 0, 0};
    Particle& zeroSpan = cloud->particles[1];
    zeroSpan = Particle{1, 1.0f, 0.0f, 0, 0, 0, 0, 0, 0, 100.0f, 100.0f, 100.0f, 0, 0, 0, 0, 0};
    params.paceScaleX = params.paceScaleY = params.paceScaleZ = 1.0f;

    frameOf(0, 16);
    advanceParticles(*cloud, timeline, random);
    EXPECT_TRUE(std::isnan(zeroPace.x)) << "0 / 0";
    EXPECT_TRUE(std::isnan(zeroSpan.opacity)) << "0 / 0; no births at stage 16";
    EXPECT_FALSE(addsToPicture(zeroPace));
    EXPECT_FALSE(addsToPicture(zeroSpan));

    zeroPace.x = 0.0f;
    zeroSpan.opacity = 1.0f;
    frameOf(16, 16);
    advanceParticles(*cloud, timeline, random);
    EXPECT_EQ(zeroPace.x, std::numeric_limits<float>::infinity());
    EXPECT_EQ(zeroSpan.opacity, -std::numeric_limits<float>::infinity());

    // While births run, a not-a-number opacity counts as dead.
    zeroSpan.opacity = 1.0f;
    frameOf(0, 15);
    advanceParticles(*cloud, timeline, random);
    EXPECT_EQ(zeroSpan.opacity, 1.0f);
    EXPECT_NE(zeroSpan.lifeSpanMs, 0.0f);
}

TEST(ParticleVisibility, OnlyLiveLitParticlesWithFinitePositionsAddToThePicture) {
    Particle particle{1, 0.5f, 100.0f, 1, 1, 1, 1, 2, 3, 1, 1, 1, 0, 0, 0, 0, 0};
    EXPECT_TRUE(addsToPicture(particle));
    Particle faded = particle;
    faded.opacity = 0.0f;
    EXPECT_FALSE(addsToPicture(faded));
    faded.opacity = -0.3f;
    EXPECT_FALSE(addsToPicture(faded));
    Particle gone = particle;
    gone.z = std::numeric_limits<float>::infinity();
    EXPECT_FALSE(addsToPicture(gone));
    Particle dormant = particle;
    dormant.alive = 0;
    EXPECT_FALSE(addsToPicture(dormant));
}

TEST_F(ParticleCloudTest, FrameFromStage17RestartsTheCycle) {
    resetParticles(ResetForm::SetUp, *cloud, timeline, random);
    params.spinOn = 1;
    params.spinAngle = 75.0f;
    frameOf(16, 17);
    timeline.stageFrame = 3;

    beginCloudFrame(*cloud, timeline, random);

    EXPECT_EQ(timeline.stage, 0);
    EXPECT_EQ(params.spinOn, 0);
    EXPECT_EQ(params.spinAngle, 0.0f) << "no spin update after the reset turned it off";
    EXPECT_FLOAT_EQ(params.emitGreen, 0.05f);
    EXPECT_NE(cloud->particles[0].lifeSpanMs, 2.053f) << "the sequence goes on, never reseeded";

    frameOf(16, 16);
    params.spinOn = 0;
    beginCloudFrame(*cloud, timeline, random);
    EXPECT_EQ(timeline.stage, 16) << "stage 16 only fades";
}

} // namespace
} // namespace kestro

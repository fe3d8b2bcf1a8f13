#include "renderer/scene/stage_script.h"

#include <algorithm>
#include <memory>

#include <gtest/gtest.h>

namespace kestro {
namespace {

// The lookup relies on the order; every cue must be reachable by it.
TEST(StageScript, EveryCueIsFoundAtItsOwnStageAndFrame) {
    for (size_t i = 0; i < STAGE_CUES.size(); ++i) {
        const StageCue& cue = STAGE_CUES[i];
        if (i > 0) {
            const StageCue& before = STAGE_CUES[i - 1];
            ASSERT_TRUE(before.stage < cue.stage ||
                        (before.stage == cue.stage && before.frame < cue.frame))
                << "cue " << i;
        }
        ASSERT_EQ(findStageCue(cue.stage, cue.frame), &cue) << "cue " << i;
        ASSERT_GE(cue.stage, FIRST_SHOW_STAGE) << "cue " << i;
        ASSERT_LE(cue.stage, LAST_BIRTH_STAGE) << "cue " << i;
    }
}

TEST(StageScript, NoCueOnUnscriptedStagesNorOnTheLastFrame) {
    for (int32_t frame = 0; frame <= LAST_STAGE_FRAME; ++frame) {
        for (int32_t stage : {0, 1, 2, 3, 16, 17}) {
            ASSERT_EQ(findStageCue(stage, frame), nullptr) << stage << "/" << frame;
        }
    }
    for (int32_t stage = 4; stage <= 15; ++stage) {
        EXPECT_EQ(findStageCue(stage, LAST_STAGE_FRAME), nullptr) << stage;
        EXPECT_EQ(findStageCue(stage, 1), nullptr) << stage;
    }
}

TEST(StageScript, OnlyTheFirstCueOfStage8StartsTheSpin) {
    int starters = 0;
    for (const StageCue& cue : STAGE_CUES) {
        starters += cue.startsSpin ? 1 : 0;
    }
    EXPECT_EQ(starters, 1);
    const StageCue* cue = findStageCue(8, 0);
    ASSERT_NE(cue, nullptr);
    EXPECT_TRUE(cue->startsSpin);
}

void expectCueHeld(const CloudParameters& params, const StageCue& cue) {
    EXPECT_EQ(params.spinDivisor, cue.spinDivisor);
    EXPECT_EQ(params.paceScaleX, cue.paceScaleX);
    EXPECT_EQ(params.paceScaleY, cue.paceScaleY);
    EXPECT_EQ(params.paceScaleZ, cue.paceScaleZ);
    EXPECT_EQ(params.emitRed, cue.emitRed);
    EXPECT_EQ(params.emitGreen, cue.emitGreen);
    EXPECT_EQ(params.emitBlue, cue.emitBlue);
}

TEST(StageScript, CueStoresItsSevenValuesAndNothingElseChangesBetweenCues) {
    CloudParameters params;
    params.spinOn = 1;
    params.spinAngle = 12.0f;
    params.emitRadiusX = 3.0f;
    ASSERT_TRUE(applyStageScript(params, 12, 104));
    expectCueHeld(params, *findStageCue(12, 104));
    EXPECT_EQ(params.spinOn, 1) << "no cue turns the spin off";
    EXPECT_EQ(params.spinAngle, 12.0f);
    EXPECT_EQ(params.emitRadiusX, 3.0f);

    const CloudParameters before = params;
    EXPECT_FALSE(applyStageScript(params, 12, 105));
    expectCueHeld(params, *findStageCue(12, 104));
    EXPECT_EQ(params.spinAngle, before.spinAngle);
}

TEST(StageScript, PassThroughAStageAppliesEachOfItsCuesOnceAndTheLastHolds) {
    for (int32_t stage = FIRST_SHOW_STAGE; stage <= LAST_BIRTH_STAGE; ++stage) {
        SCOPED_TRACE(stage);
        CloudParameters params;
        int applied = 0;
        const StageCue* last = nullptr;
        for (int32_t frame = 0; frame <= LAST_STAGE_FRAME; ++frame) {
            if (applyStageScript(params, stage, frame)) {
                ++applied;
                last = findStageCue(stage, frame);
            }
        }
        const auto cuesOfStage =
            std::count_if(STAGE_CUES.begin(), STAGE_CUES.end(),
                          [stage](const StageCue& c) { return c.stage == stage; });
        EXPECT_EQ(applied, cuesOfStage);
        ASSERT_NE(last, nullptr);
        expectCueHeld(params, *last);
    }
}

class SpinTest : public ::testing::Test {
  protected:
    std::unique_ptr<ParticleCloud> cloud = std::make_unique<ParticleCloud>();
    SceneTimeline timeline;
    SceneRandom random;

    // Frames of 20 ms through the given frames of stage 8.
    void runStage8Frames(int32_t first, int32_t last) {
        timeline.stage = 8;
        timeline.elapsedMs = 20;
        for (int32_t frame = first; frame <= last; ++frame) {
            timeline.stageFrame = frame;
            beginCloudFrame(*cloud, timeline, random);
        }
    }
};

TEST_F(SpinTest, Stage8StartsTurning100DegreesPerSecondCounterClockwise) {
    runStage8Frames(0, 49); // 50 frames of 20 ms, all under divisor 10
    EXPECT_EQ(cloud->params.spinOn, 1);
    EXPECT_NEAR(cloud->params.spinAngle, 100.0f, 1e-3f);
}

TEST_F(SpinTest, NegativeDivisorTurns100DegreesPerSecondClockwise) {
    cloud->params.spinOn = 1;
    runStage8Frames(64, 113); // the cues at 64, 80, 96 and 112 all carry -10
    EXPECT_EQ(cloud->params.spinDivisor, -10.0f);
    EXPECT_NEAR(cloud->params.spinAngle, -100.0f, 1e-3f);
}

TEST_F(SpinTest, ReversalsAtFrames56To64) {
    runStage8Frames(0, 55);  // 56 frames x 2 degrees
    runStage8Frames(56, 59); // 4 frames x -2
    runStage8Frames(60, 63); // 4 frames x 2
    runStage8Frames(64, 65); // 2 frames x -2
    EXPECT_NEAR(cloud->params.spinAngle, 112.0f - 8.0f + 8.0f - 4.0f, 1e-3f);
}

} // namespace
} // namespace kestro

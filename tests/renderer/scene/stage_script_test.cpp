#include "renderer/scene/stage_script.h"

#include <map>
#include <memory>
#include <set>

#include <gtest/gtest.h>

namespace kestro {
namespace {

TEST(StageScript, TableHoldsOneCueAtMostPerPairInOrderOnScriptedStagesOnly) {
    const std::set<int32_t> cueFrames{0,  16,  32,  48,  56,  60,  64,  80,
                                      96, 104, 108, 112, 116, 120, 124, 126};
    std::map<int32_t, int> cuesPerStage;
    for (size_t i = 0; i < STAGE_CUES.size(); ++i) {
        const StageCue& cue = STAGE_CUES[i];
        if (i > 0) {
            const StageCue& before = STAGE_CUES[i - 1];
            ASSERT_TRUE(before.stage < cue.stage ||
                        (before.stage == cue.stage && before.frame < cue.frame))
                << "cue " << i;
        }
        ASSERT_EQ(cueFrames.count(cue.frame), 1u) << "cue " << i;
        ++cuesPerStage[cue.stage];
    }
    const std::map<int32_t, int> expected{{4, 4},   {5, 4},   {6, 4},   {7, 4},
                                          {8, 10},  {9, 10},  {10, 15}, {11, 10},
                                          {12, 15}, {13, 15}, {14, 15}, {15, 6}};
    EXPECT_EQ(cuesPerStage, expected);
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

TEST(StageScript, CueStoresAllSevenValuesAndNothingElseChangesBetweenCues) {
    CloudParameters params;
    params.spinOn = 1;
    params.spinAngle = 12.0f;
    params.emitRadiusX = 3.0f;
    ASSERT_TRUE(applyStageScript(params, 12, 104));
    EXPECT_EQ(params.spinDivisor, 10.0f);
    EXPECT_EQ(params.paceScaleX, 5.0f);
    EXPECT_EQ(params.paceScaleY, 5.0f);
    EXPECT_EQ(params.paceScaleZ, 22.0f);
    EXPECT_EQ(params.emitRed, 1.0f);
    EXPECT_FLOAT_EQ(params.emitGreen, 0.5f);
    EXPECT_FLOAT_EQ(params.emitBlue, 0.2f);
    EXPECT_EQ(params.spinOn, 1) << "no cue turns the spin off";
    EXPECT_EQ(params.spinAngle, 12.0f);
    EXPECT_EQ(params.emitRadiusX, 3.0f);

    const CloudParameters before = params;
    EXPECT_FALSE(applyStageScript(params, 12, 105));
    EXPECT_EQ(params.paceScaleZ, before.paceScaleZ);
    EXPECT_EQ(params.emitRed, before.emitRed);
}

TEST(StageScript, PassThroughStage10AppliesFifteenCuesEndingSideways) {
    CloudParameters params;
    int applied = 0;
    int32_t lastFrame = -1;
    for (int32_t frame = 0; frame <= LAST_STAGE_FRAME; ++frame) {
        if (applyStageScript(params, 10, frame)) {
            ++applied;
            lastFrame = frame;
        }
    }
    EXPECT_EQ(applied, 15);
    EXPECT_EQ(lastFrame, 126);
    EXPECT_EQ(params.spinDivisor, -10.0f);
    EXPECT_EQ(params.paceScaleX, 0.5f);
    EXPECT_EQ(params.paceScaleY, 20.0f);
    EXPECT_EQ(params.paceScaleZ, 52.0f);
    EXPECT_FLOAT_EQ(params.emitRed, 0.9f);
    EXPECT_FLOAT_EQ(params.emitGreen, 0.3f);
    EXPECT_FLOAT_EQ(params.emitBlue, 0.05f);
}

TEST(StageScript, Stage14FlickersItsBlueFromCueToCue) {
    CloudParameters params;
    for (int32_t frame = 0; frame <= 31; ++frame) {
        applyStageScript(params, 14, frame);
        if (frame < 16) {
            ASSERT_FLOAT_EQ(params.emitBlue, 0.4f) << frame;
        } else {
            ASSERT_EQ(params.emitBlue, 0.0f) << frame;
        }
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

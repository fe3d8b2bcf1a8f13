#include "renderer/scene/scene_controller.h"

#include <cfenv>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#if defined(_WIN32)
#include <float.h>
#endif

namespace kestro {
namespace {

// Stands in for OpenGL: records what the scene asked to draw.
class RecordingDisplay : public ScenePort {
  public:
    struct DrawnCloud {
        float sizeScale;
        float firstOpacity;
        float firstX;
    };

    std::vector<std::string> calls;
    std::vector<DrawnCloud> clouds;

    void setUpState() override { calls.push_back("setUpState"); }
    void loadSprite() override { calls.push_back("loadSprite"); }
    void clearScreen() override { calls.push_back("clearScreen"); }
    void drawCloud(const ParticleCloud& cloud, float sizeScale) override {
        calls.push_back("drawCloud");
        clouds.push_back({sizeScale, cloud.particles[0].opacity, cloud.particles[0].x});
    }
    void finishFrame() override { calls.push_back("finishFrame"); }
};

// The scene's owner: holds the quit key down when told, counts the requests.
struct QuitKey : SceneEvents {
    bool held = false;
    int quitRequests = 0;
    bool quitKeyHeld() override { return held; }
    void requestQuit() override { ++quitRequests; }
};

// What a driver may do to the thread when its context is created.
void unmaskDivideByZeroTrap() {
#if defined(_WIN32)
    unsigned int control = 0;
    _controlfp_s(&control, 0, 0);
    _controlfp_s(&control, control & ~static_cast<unsigned int>(_EM_ZERODIVIDE), _MCW_EM);
#else
    feenableexcept(FE_DIVBYZERO);
#endif
}

class SceneControllerTest : public ::testing::Test {
  protected:
    std::unique_ptr<SceneState> scene = std::make_unique<SceneState>();
    SceneTimeline& timeline = scene->timeline;
    RecordingDisplay display;
    QuitKey escape;

    void SetUp() override {
        setUpScene(*scene, display, &escape);
        display.calls.clear();
    }

    void frame(uint32_t elapsedMs) {
        updateSceneTiming(*scene, elapsedMs);
        drawSceneFrame(*scene, display);
    }

    void framesUntilStage(int32_t stage, uint32_t elapsedMs) {
        while (timeline.stage != stage) {
            frame(elapsedMs);
        }
    }
};

TEST_F(SceneControllerTest, SetUpSetsStateResetsTheCloudLoadsTheSpriteAndClears) {
    auto fresh = std::make_unique<SceneState>();
    RecordingDisplay freshDisplay;
    setUpScene(*fresh, freshDisplay, &escape);
    EXPECT_EQ(freshDisplay.calls,
              (std::vector<std::string>{"setUpState", "loadSprite", "clearScreen"}));
    EXPECT_EQ(fresh->events, &escape);
    EXPECT_FLOAT_EQ(fresh->cloud.particles[0].lifeSpanMs, 2.053f);
    EXPECT_EQ(fresh->timeline.scenePhase, ScenePhase::Wait);
}

TEST_F(SceneControllerTest, SetUpMakesDivisionByZeroYieldInfinityEvenWhenTrapsWereOn) {
    unmaskDivideByZeroTrap();
    RecordingDisplay newWindow;
    setUpScene(*scene, newWindow, &escape);
    frame(2000);
    frame(16); // the first particle is born with a span of 5472 ms
    scene->cloud.particles[0].paceX = 0.0f;
    frame(16);
    EXPECT_TRUE(std::isinf(scene->cloud.particles[0].x));
    std::fesetenv(FE_DFL_ENV);
}

TEST_F(SceneControllerTest, WaitEndsOnThe63rdFrameAt16MsAndThatFrameDrawsTheStillCloud) {
    for (int i = 1; i <= 62; ++i) {
        frame(16);
    }
    EXPECT_EQ(timeline.scenePhase, ScenePhase::Wait);
    EXPECT_EQ(timeline.waitMs, 992u);
    EXPECT_TRUE(display.clouds.empty());
    EXPECT_EQ(display.calls.size(), 62u * 2);
    EXPECT_EQ(display.calls[0], "clearScreen");
    EXPECT_EQ(display.calls[1], "finishFrame");
    EXPECT_EQ(timeline.stageFrame, 62) << "the timeline runs during the wait too";

    display.calls.clear();
    frame(16); // 63 x 16 = 1008 > 1000
    EXPECT_EQ(display.calls, (std::vector<std::string>{"clearScreen", "drawCloud", "finishFrame"}));
    EXPECT_EQ(timeline.scenePhase, ScenePhase::Particles);
    EXPECT_EQ(timeline.stage, 4);
    EXPECT_EQ(timeline.stageFrame, 63) << "stage 4 begins part-way";
    EXPECT_EQ(timeline.elapsedMs, 0);
    EXPECT_EQ(timeline.waitMs, 0u);
    ASSERT_EQ(display.clouds.size(), 1u);
    EXPECT_EQ(display.clouds[0].sizeScale, 1.0f);
    EXPECT_EQ(display.clouds[0].firstOpacity, 0.01f);
    EXPECT_EQ(scene->cloud.particles[0].opacity, 0.01f) << "no time passed in that frame";

    frame(16);
    EXPECT_EQ(scene->cloud.particles[0].opacity, 1.0f) << "born on the first frame with time";
    EXPECT_EQ(display.clouds.back().firstOpacity, 0.01f) << "drawn before it was born";
}

TEST_F(SceneControllerTest, SlowFirstFrameEndsTheWaitAtOnce) {
    frame(1500); // window creation and sprite loading are in the first frame's time
    EXPECT_EQ(timeline.scenePhase, ScenePhase::Particles);
    EXPECT_EQ(timeline.stageFrame, 1);
    frame(1000);
    EXPECT_EQ(timeline.scenePhase, ScenePhase::Particles) << "there is no way back to the wait";
}

TEST_F(SceneControllerTest, CuesOfStage4BeforeTheFrameTheWaitEndsOnAreSkipped) {
    framesUntilStage(4, 16); // ends at frame 62 of stage 4, as above
    EXPECT_FLOAT_EQ(scene->cloud.params.paceScaleX, 50.0f);
    frame(16); // frame 63
    EXPECT_EQ(scene->cloud.params.emitGreen, 0.0f);
    frame(16); // frame 64 has a cue
    EXPECT_EQ(scene->cloud.params.paceScaleX, 30.0f);
    EXPECT_FLOAT_EQ(scene->cloud.params.emitGreen, 0.05f);
}

TEST_F(SceneControllerTest, StageFrameRunsZeroTo128) {
    frame(2000);
    timeline.stageFrame = 127;
    frame(16);
    EXPECT_EQ(timeline.stageFrame, 128);
    EXPECT_EQ(timeline.stage, 4);
    frame(16);
    EXPECT_EQ(timeline.stageFrame, 0);
    EXPECT_EQ(timeline.stage, 5);
}

TEST_F(SceneControllerTest, EscapeHeldAtTheStartOfAFrameAsksToQuitAndTheFrameStillRuns) {
    frame(16);
    EXPECT_EQ(escape.quitRequests, 0);

    escape.held = true;
    display.calls.clear();
    frame(16);
    EXPECT_EQ(escape.quitRequests, 1);
    EXPECT_EQ(display.calls.back(), "finishFrame");
}

TEST_F(SceneControllerTest, EscapeIsAskedOncePerFrameEvenOnTheFrameThatEndsTheWait) {
    frame(990);
    escape.held = true;
    frame(20);
    EXPECT_EQ(timeline.scenePhase, ScenePhase::Particles);
    EXPECT_EQ(escape.quitRequests, 1);
}

TEST_F(SceneControllerTest, APlainRunWithoutEventsNeverAsksToQuit) {
    auto plain = std::make_unique<SceneState>();
    RecordingDisplay plainDisplay;
    setUpScene(*plain, plainDisplay, nullptr);
    updateSceneTiming(*plain, 2000);
    drawSceneFrame(*plain, plainDisplay);
    EXPECT_EQ(plain->timeline.scenePhase, ScenePhase::Particles);
}

TEST_F(SceneControllerTest, WindowRecreationResetsTheCloudButNotTheTimeline) {
    frame(2000);
    framesUntilStage(9, 16);
    for (int i = 0; i < 70; ++i) {
        frame(16);
    }
    ASSERT_EQ(scene->cloud.params.spinOn, 1);
    const int32_t frameBefore = timeline.stageFrame;

    RecordingDisplay newWindow;
    QuitKey newOwner;
    setUpScene(*scene, newWindow, &newOwner);

    EXPECT_EQ(timeline.stage, 9);
    EXPECT_EQ(timeline.stageFrame, frameBefore);
    EXPECT_EQ(timeline.scenePhase, ScenePhase::Particles);
    EXPECT_FLOAT_EQ(scene->cloud.params.emitRed, 0.1f);
    EXPECT_EQ(scene->cloud.params.emitGreen, 0.0f);
    EXPECT_EQ(scene->cloud.params.paceScaleX, 50.0f);
    EXPECT_EQ(scene->cloud.params.spinOn, 0);
    EXPECT_EQ(scene->events, &newOwner);
    EXPECT_NE(scene->cloud.particles[0].lifeSpanMs, 2.053f) << "the sequence is not reseeded";
}

TEST_F(SceneControllerTest, Stage16FadesEverythingOutThenTheCycleRestartsEvery2193Frames) {
    // At 50 ms a frame stage 16 lasts 6450 ms, longer than the longest span.
    frame(2000);
    framesUntilStage(16, 50);
    const ParticleCloud& cloud = scene->cloud;
    const CloudParameters lastCue = cloud.params;
    EXPECT_FLOAT_EQ(lastCue.emitRed, 0.7f) << "stage 16 keeps the last cue of stage 15";
    framesUntilStage(17, 50);
    for (const Particle& particle : cloud.particles) {
        ASSERT_LT(particle.opacity, 0.0f);
    }
    EXPECT_EQ(cloud.params.paceScaleZ, lastCue.paceScaleZ);

    frame(50); // starts at stage 17: restart
    EXPECT_EQ(timeline.stage, 0);
    EXPECT_FLOAT_EQ(cloud.params.emitGreen, 0.05f);
    EXPECT_EQ(cloud.params.spinAngle, 0.0f);
    EXPECT_EQ(cloud.particles[0].opacity, 1.0f) << "reset and born again in the restart frame";

    const int32_t frameAfterRestart = timeline.stageFrame;
    int frames = 0;
    do {
        frame(50);
        ++frames;
    } while (!(timeline.stage == 0 && timeline.stageFrame == frameAfterRestart));
    EXPECT_EQ(frames, 17 * 129);
}

} // namespace
} // namespace kestro

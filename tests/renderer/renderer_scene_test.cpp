// The real scene driven the way the renderer drives it: through the step
// pacing at any display rate, and drawn for real off-screen.

#include "renderer/renderer_scene.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "renderer/scene/scene_port_gl.h"
#include "renderer/shell/render_loop.h"
#include "tools/bitmap/glow_sprite_file.h"
#include "tools/offscreen_gl/offscreen_gl_context.h"
#include "tools/scene_checksum/scene_fingerprint.h"

namespace kestro {
namespace {

constexpr uint64_t SIMULATED_SECONDS = 40;

class CountingDisplay : public ScenePort {
  public:
    int cloudsDrawn = 0;
    void setUpState() override {}
    void loadSprite() override {}
    void clearScreen() override {}
    void drawCloud(const ParticleCloud&, float) override { ++cloudsDrawn; }
    void finishFrame() override {}
};

struct PacedRun {
    uint64_t fingerprint;
    int draws;
};

// Passes of the render loop at the given times, up to and including the
// end of the simulated time.
PacedRun runPaced(const std::vector<uint64_t>& passTimes) {
    CountingDisplay display;
    RendererScene scene(display, [] {});
    const KeyTable keys{};
    scene.initScene(keys);
    StepPacer pacer;
    pacer.restart(0);
    int draws = 0;
    for (const uint64_t now : passTimes)
        draws += runDueSteps(pacer, scene, now) ? 1 : 0;
    return {sceneFingerprint(scene.state()), draws};
}

std::vector<uint64_t> passesAtRate(uint64_t hertz) {
    std::vector<uint64_t> times;
    for (uint64_t pass = 0; pass <= hertz * SIMULATED_SECONDS; ++pass)
        times.push_back((pass * MICROSECONDS_PER_SECOND + hertz - 1) / hertz);
    return times;
}

// An irregular display: intervals from 1 to 90 ms in a fixed pattern.
std::vector<uint64_t> jitteryPasses() {
    const uint64_t intervals[] = {7000, 33000, 1000, 16000, 90000, 4000, 25000, 12000, 61000};
    const uint64_t end = SIMULATED_SECONDS * MICROSECONDS_PER_SECOND;
    std::vector<uint64_t> times{0};
    for (size_t i = 0; times.back() < end; ++i)
        times.push_back(times.back() + intervals[i % std::size(intervals)]);
    times.back() = end;
    return times;
}

TEST(PacedScene, StateAfterFortySecondsIsTheSameAtEveryDrawingRate) {
    const PacedRun reference = runPaced(passesAtRate(60));
    EXPECT_EQ(reference.draws, 60 * 40 + 1);
    for (const uint64_t hertz : {8, 30, 75, 144, 240}) {
        const PacedRun run = runPaced(passesAtRate(hertz));
        EXPECT_EQ(run.fingerprint, reference.fingerprint) << hertz << " Hz";
        EXPECT_EQ(run.draws, static_cast<int>(std::min<uint64_t>(hertz, 60) * 40 + 1))
            << hertz << " Hz";
    }
    const PacedRun jittery = runPaced(jitteryPasses());
    EXPECT_EQ(jittery.fingerprint, reference.fingerprint) << "irregular passes";
    EXPECT_LT(jittery.draws, reference.draws);
}

TEST(PacedScene, AStepIsExactlyOneFrameOfTheDesignedLength) {
    const PacedRun paced = runPaced(passesAtRate(60));
    auto frames = std::make_unique<SceneState>();
    runSceneSteps(*frames, 60 * SIMULATED_SECONDS + 1);
    EXPECT_EQ(paced.fingerprint, sceneFingerprint(*frames));
    // And the fingerprint sees a difference of one step.
    runSceneSteps(*frames, 1);
    EXPECT_NE(paced.fingerprint, sceneFingerprint(*frames));
}

TEST(PacedScene, OnlyEscapeHeldInTheShellsKeysAsksTheRendererToQuit) {
    CountingDisplay display;
    int quits = 0;
    RendererScene scene(display, [&quits] { ++quits; });
    KeyTable keys{};
    scene.initScene(keys);
    keys.keys[KEY_ESCAPE + 1] = 1;
    scene.updateTiming(17);
    scene.drawFrame(true);
    EXPECT_EQ(quits, 0);
    keys.keys[KEY_ESCAPE] = 1;
    scene.updateTiming(17);
    EXPECT_EQ(quits, 1);
    // A new window's keys are the ones read from then on.
    const KeyTable released{};
    scene.initScene(released);
    scene.updateTiming(17);
    EXPECT_EQ(quits, 1);
}

constexpr int CENTRE_COLUMN = tools::SCREEN_WIDTH / 2;
constexpr int CENTRE_ROW = tools::SCREEN_HEIGHT / 2;

TEST(DrawnScene, EveryInitSceneResetsFromTheOneSequenceAndOnlyDrawnStepsReachTheScreen) {
    tools::OffscreenGlContext gl;
    ASSERT_TRUE(gl.ready());
    const std::string spritePath = ::testing::TempDir() + "renderer_scene_sprite.bmp";
    ASSERT_TRUE(tools::writeGlowSprite(spritePath));
    TextureImage sprite;
    GlScenePort display(sprite, spritePath.c_str());
    RendererScene scene(display, [] {});
    const KeyTable keys{};
    ASSERT_TRUE(scene.initScene(keys));
    const uint32_t afterFirstReset = scene.state().random.state();
    ASSERT_TRUE(scene.initScene(keys)); // as after a window recreation
    EXPECT_NE(scene.state().random.state(), afterFirstReset) << "the sequence is not reseeded";

    scene.updateTiming(2000); // ends the wait: the cloud is drawn, too faint to see
    scene.drawFrame(true);
    scene.updateTiming(17); // every particle is born at the emitter, in the middle
    scene.drawFrame(true);
    scene.updateTiming(17);
    scene.drawFrame(true);
    gl.finish();
    EXPECT_GT(gl.pixel(CENTRE_COLUMN, CENTRE_ROW).red, 100);
    const uint64_t light = gl.totalLight();

    // Undrawn steps leave the last picture alone.
    for (int step = 0; step < 30; ++step) {
        scene.updateTiming(17);
        scene.drawFrame(false);
    }
    gl.finish();
    EXPECT_EQ(gl.totalLight(), light);
    std::remove(spritePath.c_str());
}

} // namespace
} // namespace kestro

// The scene drawn for real, off-screen at the renderer's size, and checked by
// its pixels.

#include "renderer/scene/scene_port_gl.h"

#include "renderer/scene/scene_controller.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/bitmap/glow_sprite_file.h"
#include "tools/draw_bench/picture_difference.h"
#include "tools/draw_bench/strip_by_strip_port.h"
#include "tools/offscreen_gl/offscreen_gl_context.h"

namespace kestro {
namespace {

using tools::OffscreenGlContext;
using tools::Rgb;

constexpr int CENTRE_COLUMN = tools::SCREEN_WIDTH / 2;
constexpr int CENTRE_ROW = tools::SCREEN_HEIGHT / 2;
// At 50 units with a 35-degree view, one unit is 768 / (100 tan 17.5 deg)
// = 24.36 pixels.
constexpr double PIXELS_PER_UNIT = 24.36;

std::string tempPath(const std::string& name) {
    return ::testing::TempDir() + name;
}

Particle lonelyParticle(float x, float y, float opacity) {
    // A 1.2 x 1.2 square: base half-size 0.1 plus pads of 0.5.
    return Particle{1,      opacity, 1000.0f, 0.25f, 0.5f, 0.125f, x,    y,   0.0f,
                    100.0f, 100.0f,  100.0f,  0.0f,  0.0f, 0.0f,   0.5f, 0.5f};
}

void expectNear(const Rgb& actual, const Rgb& expected, int tolerance, const char* where) {
    EXPECT_NEAR(actual.red, expected.red, tolerance) << where;
    EXPECT_NEAR(actual.green, expected.green, tolerance) << where;
    EXPECT_NEAR(actual.blue, expected.blue, tolerance) << where;
}

bool isBlack(const Rgb& colour) {
    return colour.red == 0 && colour.green == 0 && colour.blue == 0;
}

class GlScenePortTest : public ::testing::Test {
  protected:
    OffscreenGlContext gl;
    TextureImage sprite;
    std::unique_ptr<ParticleCloud> cloud = std::make_unique<ParticleCloud>();

    void SetUp() override { ASSERT_TRUE(gl.ready()); }

    // Draws the hand-made cloud once through the port.
    void drawOnce(ScenePort& display) {
        display.setUpState();
        display.loadSprite();
        display.clearScreen();
        display.drawCloud(*cloud, 1.0f);
        display.finishFrame();
        gl.finish();
    }
    // Draws the hand-made cloud once with the sprite at path.
    void drawOnce(const std::string& spritePath) {
        GlScenePort display(sprite, spritePath.c_str());
        drawOnce(display);
    }
};

TEST_F(GlScenePortTest, WithoutSpriteAParticleIsAPlainSquareOfItsColourTimesOpacity) {
    cloud->particles[0] = lonelyParticle(0.0f, 0.0f, 1.0f);
    drawOnce(tempPath("missing_sprite.bmp"));

    const Rgb expected{64, 128, 32}; // 0.25, 0.5, 0.125 of 255
    expectNear(gl.pixel(CENTRE_COLUMN, CENTRE_ROW), expected, 1, "centre");
    // 1.2 units make about 29 pixels: 12 pixels out is still inside.
    expectNear(gl.pixel(CENTRE_COLUMN - 12, CENTRE_ROW - 12), expected, 1, "inside corner");
    expectNear(gl.pixel(CENTRE_COLUMN + 12, CENTRE_ROW + 12), expected, 1, "inside corner");
    EXPECT_TRUE(isBlack(gl.pixel(CENTRE_COLUMN + 17, CENTRE_ROW))) << "outside";
    EXPECT_TRUE(isBlack(gl.pixel(CENTRE_COLUMN, CENTRE_ROW - 17))) << "outside";
}

TEST_F(GlScenePortTest, OverlappingParticlesAddUpAndOpacityWeightsThem) {
    cloud->particles[0] = lonelyParticle(0.0f, 0.0f, 1.0f);
    cloud->particles[1] = lonelyParticle(0.0f, 0.0f, 1.0f);
    cloud->particles[2] = lonelyParticle(-8.0f, 0.0f, 0.5f);
    cloud->particles[3] = lonelyParticle(8.0f, 0.0f, -0.5f);
    cloud->particles[4] = lonelyParticle(0.0f, 8.0f, 1.0f);
    cloud->particles[4].x = std::numeric_limits<float>::quiet_NaN();
    drawOnce(tempPath("missing_sprite.bmp"));

    expectNear(gl.pixel(CENTRE_COLUMN, CENTRE_ROW), {128, 255, 64}, 2, "two added");
    const int eightUnits = static_cast<int>(std::lround(8 * PIXELS_PER_UNIT));
    expectNear(gl.pixel(CENTRE_COLUMN - eightUnits, CENTRE_ROW), {32, 64, 16}, 1, "half opacity");
    EXPECT_TRUE(isBlack(gl.pixel(CENTRE_COLUMN + eightUnits, CENTRE_ROW))) << "faded out";
    EXPECT_TRUE(isBlack(gl.pixel(CENTRE_COLUMN, CENTRE_ROW - eightUnits))) << "lost position";
}

TEST_F(GlScenePortTest, GlowSpriteMakesASoftRoundParticle) {
    const std::string path = tempPath("glow_sprite.bmp");
    ASSERT_TRUE(tools::writeGlowSprite(path));
    cloud->particles[0] = lonelyParticle(0.0f, 0.0f, 1.0f);
    drawOnce(path);

    const Rgb centre = gl.pixel(CENTRE_COLUMN, CENTRE_ROW);
    EXPECT_GE(centre.green, 100);
    EXPECT_NEAR(centre.red * 2, centre.green, 4) << "the white sprite keeps the tint";
    const Rgb nearRim = gl.pixel(CENTRE_COLUMN + 12, CENTRE_ROW);
    EXPECT_LT(nearRim.green, centre.green / 4);
    EXPECT_LE(gl.pixel(CENTRE_COLUMN + 13, CENTRE_ROW - 13).green, 2) << "square's corner";
}

TEST_F(GlScenePortTest, SpriteBytesFromMemoryDrawAsTheirFileDoesAndBadBytesAsNoSprite) {
    const std::string path = tempPath("memory_glow_sprite.bmp");
    ASSERT_TRUE(tools::writeGlowSprite(path));
    std::ifstream file(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                     std::istreambuf_iterator<char>());
    ASSERT_FALSE(bytes.empty());
    cloud->particles[0] = lonelyParticle(0.0f, 0.0f, 1.0f);
    const auto drawnRow = [this](ScenePort& display) {
        drawOnce(display);
        std::vector<int> greens;
        for (int column = CENTRE_COLUMN - 16; column <= CENTRE_COLUMN + 16; ++column)
            greens.push_back(gl.pixel(column, CENTRE_ROW).green);
        return greens;
    };
    GlScenePort fromFile(sprite, path.c_str());
    const std::vector<int> filed = drawnRow(fromFile);
    TextureImage memorySprite;
    GlScenePort fromMemory(memorySprite, bytes.data(), bytes.size());
    EXPECT_EQ(drawnRow(fromMemory), filed);
    EXPECT_LT(filed.front() + 40, filed[16]) << "the glow fades to its rim";

    // Bytes that are no bitmap leave the particle a plain square.
    const uint8_t notABitmap[] = {'B', 'M', 0, 0};
    TextureImage brokenSprite;
    GlScenePort broken(brokenSprite, notABitmap, sizeof notABitmap);
    const std::vector<int> plain = drawnRow(broken);
    EXPECT_EQ(plain[16], plain[16 - 12]) << "no glow: one colour across the square";
    std::remove(path.c_str());
}

TEST_F(GlScenePortTest, PictureTopEdgeLiesAtTheSquaresBottomEdge) {
    const std::string path = tempPath("top_half_sprite.bmp");
    ASSERT_TRUE(tools::writeGreySprite(path, [](int, int rowFromTop) {
        return rowFromTop < tools::GLOW_SPRITE_SIZE / 2 ? 255 : 0;
    }));
    cloud->particles[0] = lonelyParticle(0.0f, 0.0f, 1.0f);
    drawOnce(path);

    EXPECT_GE(gl.pixel(CENTRE_COLUMN, CENTRE_ROW + 8).green, 120) << "lower half of the square";
    EXPECT_LE(gl.pixel(CENTRE_COLUMN, CENTRE_ROW - 8).green, 8) << "upper half of the square";
}

TEST_F(GlScenePortTest, PositiveSpinTurnsTheCloudCounterClockwise) {
    cloud->particles[0] = lonelyParticle(5.0f, 0.0f, 1.0f);
    cloud->params.spinAngle = 90.0f;
    drawOnce(tempPath("missing_sprite.bmp"));

    const int fiveUnits = static_cast<int>(std::lround(5 * PIXELS_PER_UNIT));
    EXPECT_FALSE(isBlack(gl.pixel(CENTRE_COLUMN, CENTRE_ROW - fiveUnits))) << "now straight up";
    EXPECT_TRUE(isBlack(gl.pixel(CENTRE_COLUMN + fiveUnits, CENTRE_ROW)));
}

class GlSceneRunTest : public GlScenePortTest {
  protected:
    std::unique_ptr<SceneState> scene = std::make_unique<SceneState>();
    std::string spritePath = tempPath("run_glow_sprite.bmp");

    void SetUp() override {
        GlScenePortTest::SetUp();
        ASSERT_TRUE(tools::writeGlowSprite(spritePath));
    }

    void frames(ScenePort& display, int count, uint32_t elapsedMs) {
        for (int i = 0; i < count; ++i) {
            updateSceneTiming(*scene, elapsedMs);
            drawSceneFrame(*scene, display);
        }
        gl.finish();
    }

    // Light summed per channel over the middle of the screen, where the
    // cloud starts; single pixels saturate to white where many particles meet.
    Rgb lightNearCentre() const {
        Rgb total{0, 0, 0};
        for (int row = CENTRE_ROW - 150; row < CENTRE_ROW + 150; ++row) {
            for (int column = CENTRE_COLUMN - 150; column < CENTRE_COLUMN + 150; ++column) {
                const Rgb colour = gl.pixel(column, row);
                total.red += colour.red;
                total.green += colour.green;
                total.blue += colour.blue;
            }
        }
        return total;
    }
};

TEST_F(GlSceneRunTest, BlackWaitThenAnAdditiveVioletGlowFromTheCentre) {
    GlScenePort display(sprite, spritePath.c_str());
    setUpScene(*scene, display, nullptr);
    frames(display, 62, 16);
    EXPECT_EQ(gl.totalLight(), 0u) << "the wait is black";

    frames(display, 20, 16);
    ASSERT_EQ(scene->timeline.scenePhase, ScenePhase::Particles);
    // One particle adds at most 0.1 x 255 = 26 to red; where the crowd
    // meets, the light adds up.
    EXPECT_GE(gl.pixel(CENTRE_COLUMN, CENTRE_ROW).red, 100);
    // The first births (stage 4, frame 63) still take the reset's red; the
    // cue at frame 64 turns later ones violet.
    const Rgb light = lightNearCentre();
    EXPECT_GT(light.red, light.blue * 2);
    EXPECT_GT(light.blue, 0);
    EXPECT_LT(light.green, light.blue);
    EXPECT_TRUE(isBlack(gl.pixel(5, 5))) << "the cloud has not reached the corner yet";
}

TEST_F(GlSceneRunTest, ATurningCrowdedCloudDrawsAsAStripPerParticleWould) {
    UndrawnScenePort fastForward;
    GlScenePort display(sprite, spritePath.c_str());
    setUpScene(*scene, display, nullptr);
    // Stage 9: the cloud turns, so the squares lie across the pixel grid.
    while (scene->timeline.stage < 9)
        frames(fastForward, 1, 16);
    ASSERT_NE(scene->cloud.params.spinAngle, 0.0f);
    const ParticleCloud shown = scene->cloud;

    display.drawCloud(shown, 1.0f);
    gl.finish();
    const std::vector<Rgb> batched =
        tools::screenPixels(gl, tools::SCREEN_WIDTH, tools::SCREEN_HEIGHT);
    TextureImage stripSprite;
    tools::StripByStripPort strips(stripSprite, spritePath.c_str());
    strips.loadSprite();
    strips.drawCloud(shown, 1.0f);
    gl.finish();
    const std::vector<Rgb> expected =
        tools::screenPixels(gl, tools::SCREEN_WIDTH, tools::SCREEN_HEIGHT);

    EXPECT_GT(gl.totalLight(), 1000000u) << "a crowded picture";
    const tools::PictureDifference difference = tools::comparePictures(expected, batched);
    EXPECT_LE(difference.largest, 1);
    EXPECT_LE(difference.differing, expected.size() / 1000)
        << "at most 0.1 % of the pixels a level off";
}

TEST_F(GlSceneRunTest, LateInStage10TheCloudGlowsOrangeRed) {
    UndrawnScenePort fastForward;
    GlScenePort display(sprite, spritePath.c_str());
    setUpScene(*scene, display, nullptr);
    // At 50 ms a frame a stage lasts 6.45 s, longer than any particle lives,
    // so late in the stage nearly every particle was born under its cues.
    while (!(scene->timeline.stage == 10 && scene->timeline.stageFrame == 120)) {
        frames(fastForward, 1, 50);
    }
    frames(display, 1, 50);
    const Rgb light = lightNearCentre();
    EXPECT_GT(light.red, light.green * 3 / 2);
    EXPECT_GT(light.green, light.blue * 2);
}

} // namespace
} // namespace kestro

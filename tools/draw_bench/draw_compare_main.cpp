// Films one whole cycle of the show twice over, at the renderer's size and at
// the film's pace of a picture every three steps: each picture drawn by the
// programs' drawing and by the old strip per particle, from the same cloud,
// and the two compared pixel by pixel.
//
//   draw_compare <sprite file> [every how many film pictures]
// Prints the pictures compared, how many differ, the worst picture and the
// largest difference. Exit status 1 when a picture differs by more than one
// level anywhere or on more than MAX_DIFFERING_SHARE of its pixels, 2 when
// it could not compare.

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "renderer/scene/scene_controller.h"
#include "renderer/scene/scene_port_gl.h"
#include "tools/draw_bench/picture_difference.h"
#include "tools/draw_bench/strip_by_strip_port.h"
#include "tools/offscreen_gl/offscreen_gl_context.h"

namespace kestro::tools {
namespace {

constexpr double MAX_DIFFERING_SHARE = 0.001;
constexpr int MAX_LEVELS_OFF = 1;
// The designed pace: 17, 17 and 16 ms, a film picture every three steps.
constexpr uint32_t STEP_MS[] = {17, 17, 16};
constexpr int STEPS_PER_FILM_PICTURE = 3;
constexpr double PERCENT = 100.0;

struct WorstPicture {
    int picture = -1;
    int32_t stage = 0;
    int32_t stageFrame = 0;
    PictureDifference difference;
};

// A port that draws every cloud it is asked to compare twice, the old way
// and the new, and keeps the tally; the other clouds it leaves undrawn.
class ComparingPort final : public ScenePort {
  public:
    ComparingPort(OffscreenGlContext& gl, const char* spritePath)
        : gl_(gl), reference_(referenceSprite_, spritePath), drawing_(sprite_, spritePath) {}

    void setUpState() override { drawing_.setUpState(); }
    void loadSprite() override {
        reference_.loadSprite();
        drawing_.loadSprite();
    }
    void clearScreen() override { drawing_.clearScreen(); }
    void finishFrame() override {}
    void drawCloud(const ParticleCloud& cloud, float sizeScale) override {
        if (!compareNext)
            return;
        reference_.drawCloud(cloud, sizeScale);
        gl_.finish();
        const std::vector<Rgb> expected = screenPixels(gl_, SCREEN_WIDTH, SCREEN_HEIGHT);
        drawing_.drawCloud(cloud, sizeScale);
        gl_.finish();
        const PictureDifference difference =
            comparePictures(expected, screenPixels(gl_, SCREEN_WIDTH, SCREEN_HEIGHT));
        ++compared;
        picturesDiffering += difference.differing != 0;
        pixelsDiffering += difference.differing;
        if (worst.picture < 0 || difference.largest > worst.difference.largest ||
            (difference.largest == worst.difference.largest &&
             difference.differing > worst.difference.differing)) {
            worst = {compared - 1, stage, stageFrame, difference};
        }
    }

    bool compareNext = false;
    int32_t stage = 0;
    int32_t stageFrame = 0;
    int compared = 0;
    int picturesDiffering = 0;
    size_t pixelsDiffering = 0;
    WorstPicture worst;

  private:
    OffscreenGlContext& gl_;
    TextureImage referenceSprite_;
    StripByStripPort reference_;
    TextureImage sprite_;
    GlScenePort drawing_;
};

bool restarted(int32_t stageBefore, int32_t stageNow) {
    return stageNow < stageBefore;
}

int compareCycle(const char* spritePath, int everyFilmPicture) {
    OffscreenGlContext gl(SCREEN_WIDTH, SCREEN_HEIGHT);
    if (!gl.ready()) {
        std::fprintf(stderr, "draw_compare: no off-screen OpenGL context\n");
        return 2;
    }
    auto scene = std::make_unique<SceneState>();
    ComparingPort port(gl, spritePath);
    setUpScene(*scene, port, nullptr);
    // One whole cycle: from the black start until the stage the wait gave
    // way to comes round again after the restart.
    bool cycleRestarted = false;
    for (int step = 0;; ++step) {
        const SceneTimeline& timeline = scene->timeline;
        if (cycleRestarted && timeline.stage == FIRST_SHOW_STAGE)
            break;
        port.compareNext = step % (STEPS_PER_FILM_PICTURE * everyFilmPicture) == 0;
        port.stage = timeline.stage;
        port.stageFrame = timeline.stageFrame;
        const int32_t stageBefore = timeline.stage;
        updateSceneTiming(*scene, STEP_MS[step % STEPS_PER_FILM_PICTURE]);
        drawSceneFrame(*scene, port);
        cycleRestarted = cycleRestarted || restarted(stageBefore, scene->timeline.stage);
    }
    if (port.compared == 0) {
        std::fprintf(stderr, "draw_compare: the cycle drew no cloud\n");
        return 2;
    }
    const WorstPicture& worst = port.worst;
    std::printf("draw_compare: %d pictures of one cycle at %d x %d, one call beside strips\n",
                port.compared, SCREEN_WIDTH, SCREEN_HEIGHT);
    std::printf("  pictures with any pixel off: %d; pixels off in all: %zu\n",
                port.picturesDiffering, port.pixelsDiffering);
    std::printf("  worst: picture %d (stage %d, frame %d): %zu pixels off (%.4f%%), %zu by more "
                "than one level, largest %d\n",
                worst.picture, worst.stage, worst.stageFrame, worst.difference.differing,
                worst.difference.differingShare() * PERCENT, worst.difference.beyondOneLevel,
                worst.difference.largest);
    const bool same = worst.difference.largest <= MAX_LEVELS_OFF &&
                      worst.difference.differingShare() <= MAX_DIFFERING_SHARE;
    std::printf("  %s: at most %d level off on at most %.1f%% of any picture\n",
                same ? "the same show" : "NOT the same show", MAX_LEVELS_OFF,
                MAX_DIFFERING_SHARE * PERCENT);
    return same ? 0 : 1;
}

} // namespace
} // namespace kestro::tools

int main(int argc, char** argv) {
    const int every = argc > 2 ? std::atoi(argv[2]) : 1;
    if (argc < 2 || argc > 3 || every < 1) {
        std::fprintf(stderr, "usage: draw_compare <sprite file> [every how many film pictures]\n");
        return 2;
    }
    return kestro::tools::compareCycle(argv[1], every);
}

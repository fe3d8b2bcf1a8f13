// What one picture of the cloud costs to draw: processor time of all the
// process's threads (Mesa's raster threads included) and wall time per
// picture, for the one-call drawing and the old strip per particle, side by
// side on the same clouds. The clouds are those of a run of the show, one
// per picture, so births, fading and the turn are all in them.
//
//   bench_draw [pictures per figure]
// Run as it is, it also runs itself again with GALLIUM_NOOP=1 (Mesa's front
// end runs, its raster does not: what a user with a GPU pays) and prints
// those figures too; Mesa reads that switch only once per process. That run
// draws at 160 x 120: at every flush the off-screen driver copies the
// picture into the program's memory, which no screen's drawing pays, and
// the small picture keeps that copy out of the figure.
//
//   bench_draw --only <strips|one-call> <width> <height> [pictures]
// Draws with that drawing at that size alone and prints its figure: for a
// profiler (valgrind --tool=callgrind --toggle-collect='*drawPictures*'),
// which then sees one drawing and nothing else. With LP_NUM_THREADS=0
// llvmpipe rasterises in the drawing thread, at glFinish.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "renderer/scene/scene_controller.h"
#include "renderer/scene/scene_port_gl.h"
#include "tools/draw_bench/strip_by_strip_port.h"
#include "tools/offscreen_gl/offscreen_gl_context.h"

#ifndef KESTRO_SPRITE_FILE
#define KESTRO_SPRITE_FILE "resources/saver_sprite.bmp"
#endif

namespace kestro::tools {
namespace {

constexpr int DEFAULT_PICTURES = 300;
constexpr uint32_t FRAME_MS = 16;
// The show's pictures are taken from here on, past the wait and the first births.
constexpr int32_t FIRST_STAGE = 5;
constexpr const char* SKIPPED_FLAG = "--drawing-skipped";
constexpr int SMALL_WIDTH = 160;
constexpr int SMALL_HEIGHT = 120;
// The share of a core a drawing takes at the show's pace.
constexpr double SHOW_PICTURES_PER_SECOND = 60.0;
constexpr double PERCENT_PER_MS_A_SECOND = 0.1;
constexpr const char* ONLY_FLAG = "--only";
constexpr const char* STRIPS_NAME = "strips";
constexpr const char* ONE_CALL_NAME = "one-call";

double processorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

// One cloud per picture, as the show has them from FIRST_STAGE on.
std::vector<ParticleCloud> showClouds(int count) {
    auto scene = std::make_unique<SceneState>();
    UndrawnScenePort undrawn;
    setUpScene(*scene, undrawn, nullptr);
    while (scene->timeline.stage < FIRST_STAGE) {
        updateSceneTiming(*scene, FRAME_MS);
        drawSceneFrame(*scene, undrawn);
    }
    std::vector<ParticleCloud> clouds;
    clouds.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        updateSceneTiming(*scene, FRAME_MS);
        drawSceneFrame(*scene, undrawn);
        clouds.push_back(scene->cloud);
    }
    return clouds;
}

struct Cost {
    double processorMs;
    double wallMs;
};

// The pictures measured, apart from the first one, which builds Mesa's
// shaders: a profiler counts this function alone.
__attribute__((noinline)) void drawPictures(ScenePort& display, OffscreenGlContext& gl,
                                            const std::vector<ParticleCloud>& clouds) {
    for (const ParticleCloud& cloud : clouds) {
        display.drawCloud(cloud, 1.0f);
        display.finishFrame();
        gl.finish();
    }
}

Cost pictureCost(ScenePort& display, OffscreenGlContext& gl,
                 const std::vector<ParticleCloud>& clouds) {
    display.setUpState();
    display.loadSprite();
    display.drawCloud(clouds.front(), 1.0f); // the first picture builds Mesa's shaders
    gl.finish();
    const double processorStart = processorSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    drawPictures(display, gl, clouds);
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    const double count = static_cast<double>(clouds.size());
    return {(processorSeconds() - processorStart) * 1e3 / count, wall * 1e3 / count};
}

// With the drawing skipped, also the share of a core at the show's pace.
bool printSize(const char* label, int width, int height, const std::vector<ParticleCloud>& clouds,
               bool skipped = false) {
    OffscreenGlContext gl(width, height);
    if (!gl.ready()) {
        std::fprintf(stderr, "bench_draw: no off-screen OpenGL context\n");
        return false;
    }
    TextureImage oldSprite;
    StripByStripPort strips(oldSprite, KESTRO_SPRITE_FILE);
    TextureImage newSprite;
    GlScenePort batched(newSprite, KESTRO_SPRITE_FILE);
    const Cost before = pictureCost(strips, gl, clouds);
    const Cost after = pictureCost(batched, gl, clouds);
    std::printf("  %-16s %9.3f %9.3f   %9.3f %9.3f   %5.2f\n", label, before.processorMs,
                before.wallMs, after.processorMs, after.wallMs,
                before.processorMs / after.processorMs);
    if (!skipped)
        return true;
    std::printf("  %-16s %8.2f%% of a core at %.0f pictures/s   %8.2f%%\n", "",
                before.processorMs * SHOW_PICTURES_PER_SECOND * PERCENT_PER_MS_A_SECOND,
                SHOW_PICTURES_PER_SECOND,
                after.processorMs * SHOW_PICTURES_PER_SECOND * PERCENT_PER_MS_A_SECOND);
    return true;
}

// The --only run: one drawing, one size.
int profileOne(int argc, char** argv) {
    const std::string drawing = argc > 2 ? argv[2] : "";
    const int width = argc > 4 ? std::atoi(argv[3]) : 0;
    const int height = argc > 4 ? std::atoi(argv[4]) : 0;
    const int pictures = argc > 5 ? std::atoi(argv[5]) : DEFAULT_PICTURES;
    if ((drawing != STRIPS_NAME && drawing != ONE_CALL_NAME) || width < 1 || height < 1 ||
        pictures < 1 || argc > 6) {
        std::fprintf(stderr, "usage: bench_draw --only <strips|one-call> <width> <height> "
                             "[pictures]\n");
        return 2;
    }
    const std::vector<ParticleCloud> clouds = showClouds(pictures);
    OffscreenGlContext gl(width, height);
    if (!gl.ready()) {
        std::fprintf(stderr, "bench_draw: no off-screen OpenGL context\n");
        return 1;
    }
    TextureImage sprite;
    StripByStripPort strips(sprite, KESTRO_SPRITE_FILE);
    GlScenePort batched(sprite, KESTRO_SPRITE_FILE);
    ScenePort& display = drawing == STRIPS_NAME ? static_cast<ScenePort&>(strips) : batched;
    const Cost cost = pictureCost(display, gl, clouds);
    std::printf("%s %d x %d: %.3f ms processor, %.3f ms wall per picture\n", drawing.c_str(), width,
                height, cost.processorMs, cost.wallMs);
    return 0;
}

} // namespace
} // namespace kestro::tools

int main(int argc, char** argv) {
    using namespace kestro::tools;
    if (argc > 1 && std::string(argv[1]) == ONLY_FLAG)
        return profileOne(argc, argv);
    const bool skipped = argc > 1 && std::string(argv[argc - 1]) == SKIPPED_FLAG;
    const int numbered = skipped ? argc - 1 : argc;
    const int pictures = numbered > 1 ? std::atoi(argv[1]) : DEFAULT_PICTURES;
    if (numbered > 2 || pictures < 1) {
        std::fprintf(stderr, "usage: bench_draw [pictures per figure, above 0]\n");
        return 2;
    }
    const std::vector<kestro::ParticleCloud> clouds = showClouds(pictures);
    if (skipped)
        return printSize("drawing skipped", SMALL_WIDTH, SMALL_HEIGHT, clouds, true) ? 0 : 1;

    std::printf("drawing one picture of the cloud, %d pictures of the show each, ms per picture\n",
                pictures);
    std::printf("  %-16s %9s %9s   %9s %9s   %5s\n", "", "strips", "", "one call", "", "gain");
    std::printf("  %-16s %9s %9s   %9s %9s   %5s\n", "size", "processor", "wall", "processor",
                "wall", "x");
    if (!printSize("160 x 120", SMALL_WIDTH, SMALL_HEIGHT, clouds) ||
        !printSize("1024 x 768", SCREEN_WIDTH, SCREEN_HEIGHT, clouds))
        return 1;
    std::fflush(stdout);
    const std::string again = std::string("GALLIUM_NOOP=1 '") + argv[0] + "' " +
                              std::to_string(pictures) + " " + SKIPPED_FLAG;
    return std::system(again.c_str()) == 0 ? 0 : 1;
}

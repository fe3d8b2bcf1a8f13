// How much one frame of the scene costs: the simulation alone, and the whole
// frame drawn off-screen at the renderer's size. Each figure is also given
// per particle.

#include <cstdio>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "renderer/scene/gl_scene_display.h"
#include "renderer/scene/scene_controller.h"
#include "tests/renderer/scene/glow_sprite_file.h"
#include "tests/renderer/scene/offscreen_gl.h"

namespace kestro {

// The benchmark never holds Escape; the shell's quit is not needed here.
void requestQuit(RendererWindow*) {}

namespace {

constexpr uint32_t FRAME_MS = 16;

class NoDisplay : public SceneDisplay {
  public:
    void setUpState() override {}
    void loadSprite() override {}
    void clearScreen() override {}
    void drawCloud(const ParticleCloud&, float) override {}
    void finishFrame() override {}
};

benchmark::Counter perParticle() {
    return benchmark::Counter(PARTICLE_COUNT, benchmark::Counter::kIsIterationInvariantRate |
                                                  benchmark::Counter::kInvert);
}

// Past the wait and the first births, so every frame is a particle frame.
// The frames on the way are not drawn.
void runIntoTheShow(SceneState& scene, SceneDisplay& display, KeyTable& keys) {
    setUpScene(scene, display, nullptr, &keys);
    NoDisplay skipped;
    while (scene.timeline.stage < 5) {
        updateSceneTiming(scene, FRAME_MS);
        drawSceneFrame(scene, skipped);
    }
}

// Restart, cue, spin, then motion, fading and births of all 4000 particles,
// over the whole cycle of stages as the frames go by.
void BM_SimulationStep(benchmark::State& state) {
    auto scene = std::make_unique<SceneState>();
    NoDisplay display;
    KeyTable keys{};
    runIntoTheShow(*scene, display, keys);
    for (auto _ : state) {
        updateSceneTiming(*scene, FRAME_MS);
        drawSceneFrame(*scene, display);
        benchmark::DoNotOptimize(scene->cloud.particles[0].x);
    }
    state.counters["per_particle"] = perParticle();
}
BENCHMARK(BM_SimulationStep);

// The same step plus clearing and drawing 4000 textured, blended squares
// into a 1024 x 768 buffer, finished before the clock stops.
void BM_FullFrameOffscreen(benchmark::State& state) {
    testing::OffscreenGl gl;
    if (!gl.ready()) {
        state.SkipWithError("no off-screen OpenGL context");
        return;
    }
    const std::string spritePath = "/tmp/kestro_bench_sprite.bmp";
    testing::writeGlowSprite(spritePath);
    TextureImage sprite;
    GlSceneDisplay display(sprite, spritePath.c_str());
    auto scene = std::make_unique<SceneState>();
    KeyTable keys{};
    runIntoTheShow(*scene, display, keys);
    for (auto _ : state) {
        updateSceneTiming(*scene, FRAME_MS);
        drawSceneFrame(*scene, display);
        gl.finish();
    }
    state.counters["per_particle"] = perParticle();
    std::remove(spritePath.c_str());
}
// llvmpipe draws on threads of its own: wall time is what a frame costs.
BENCHMARK(BM_FullFrameOffscreen)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace
} // namespace kestro

// The native preset links the leak checker into every program; Mesa's
// off-screen driver keeps some allocations until the process ends.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libOSMesa.so\n";
}
extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}

BENCHMARK_MAIN();

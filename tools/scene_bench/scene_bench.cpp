// How much one frame of the scene costs: the simulation alone, and the whole
// frame drawn off-screen at the renderer's size. Each figure is also given
// per particle.

#include <cstdio>
#include <memory>
#include <string>

#include <benchmark/benchmark.h>

#include "renderer/scene/scene_controller.h"
#include "renderer/scene/scene_port_gl.h"
#include "tools/bitmap/glow_sprite_file.h"
#include "tools/offscreen_gl/offscreen_gl_context.h"

namespace kestro {

namespace {

constexpr uint32_t FRAME_MS = 16;

benchmark::Counter perParticle() {
    return benchmark::Counter(PARTICLE_COUNT, benchmark::Counter::kIsIterationInvariantRate |
                                                  benchmark::Counter::kInvert);
}

// Past the wait and the first births, so every frame is a particle frame.
// The frames on the way are not drawn.
void runIntoTheShow(SceneState& scene, ScenePort& display) {
    setUpScene(scene, display, nullptr);
    UndrawnScenePort skipped;
    while (scene.timeline.stage < 5) {
        updateSceneTiming(scene, FRAME_MS);
        drawSceneFrame(scene, skipped);
    }
}

// Restart, cue, spin, then motion, fading and births of all 4000 particles,
// over the whole cycle of stages as the frames go by.
void BM_SimulationStep(benchmark::State& state) {
    auto scene = std::make_unique<SceneState>();
    UndrawnScenePort display;
    runIntoTheShow(*scene, display);
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
    tools::OffscreenGlContext gl;
    if (!gl.ready()) {
        state.SkipWithError("no off-screen OpenGL context");
        return;
    }
    const std::string spritePath = "/tmp/kestro_bench_sprite.bmp";
    tools::writeGlowSprite(spritePath);
    TextureImage sprite;
    GlScenePort display(sprite, spritePath.c_str());
    auto scene = std::make_unique<SceneState>();
    runIntoTheShow(*scene, display);
    for (auto _ : state) {
        updateSceneTiming(*scene, FRAME_MS);
        drawSceneFrame(*scene, display);
        gl.finish();
    }
    state.counters["per_particle"] = perParticle();
    std::remove(spritePath.c_str());
}
// llvmpipe draws on threads of its own: wall time is what a frame costs.
BENCHMARK(BM_FullFrameOffscreen)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace kestro

BENCHMARK_MAIN();

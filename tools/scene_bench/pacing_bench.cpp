// What the render loop costs: draws per second and processor time per
// wall second, for the paced loop (the shells' own loop with the step
// pacer, as the shell core runs it) and for an uncapped loop that draws a frame whenever it can,
// side by side in the same run. The display presents at once and the scene
// runs its full simulation, so the figures are the loop's and the scene's.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <thread>

#include "renderer/renderer_scene.h"
#include "renderer/shell/shell_core.h"

namespace kestro {
namespace {

using Clock = std::chrono::steady_clock;
// Each loop's run, unless the command line gives another (in seconds, as
// the smoke run in make test does).
constexpr double DEFAULT_RUN_SECONDS = 5.0;

uint64_t microsecondsSince(Clock::time_point start) {
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count());
}

// A window that presents at once, and a real clock and sleep. The run
// ends when its time is up, the way a closed window ends it.
class BenchBackend : public WindowBackend {
  public:
    explicit BenchBackend(Clock::time_point end) : end_(end) {}
    int presents = 0;

    int start() override { return 0; }
    void stop() override {}
    OpenedPlace open(bool) override { return {true, SHOW_WIDTH, SHOW_HEIGHT, 0}; }
    void close() override {}
    bool takeEvent(BackendEvent& event) override {
        if (Clock::now() < end_)
            return false;
        event = BackendEvent{BackendEventKind::CloseAsked};
        return true;
    }
    void waitEvent(int64_t timeoutMicroseconds) override {
        if (timeoutMicroseconds < 0)
            return;
        const auto wake = Clock::now() + std::chrono::microseconds(timeoutMicroseconds);
        std::this_thread::sleep_until(std::min(wake, end_));
    }
    void resizeView(int32_t, int32_t) override {}
    void present() override { ++presents; }
    uint64_t clockMicroseconds() override { return microsecondsSince(start_); }

  private:
    Clock::time_point start_ = Clock::now();
    Clock::time_point end_;
};

struct Figures {
    double drawsPerSecond;
    double cpuShare;
};

template <typename Run> Figures measure(Run run, Clock::duration length) {
    const auto wallStart = Clock::now();
    const std::clock_t cpuStart = std::clock();
    const int draws = run(wallStart + length);
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double wallSeconds = std::chrono::duration<double>(Clock::now() - wallStart).count();
    return {draws / wallSeconds, cpuSeconds / wallSeconds};
}

int pacedLoop(Clock::time_point end) {
    UndrawnScenePort display;
    RendererScene scene(display, [] {});
    BenchBackend backend(end);
    ShellCore shell(backend, false);
    shell.run(scene);
    return backend.presents;
}

// Every pass draws a frame with the time since the last one, as fast as
// the display returns.
int uncappedLoop(Clock::time_point end) {
    UndrawnScenePort display;
    RendererScene scene(display, [] {});
    const KeyTable keys{};
    scene.initScene(keys);
    const auto start = Clock::now();
    uint64_t last = 0;
    int draws = 0;
    while (Clock::now() < end) {
        const uint64_t now = microsecondsSince(start) / 1000;
        scene.updateTiming(static_cast<uint32_t>(now - last));
        last = now;
        scene.drawFrame(true);
        ++draws;
    }
    return draws;
}

} // namespace
} // namespace kestro

int main(int argc, char** argv) {
    using kestro::measure;
    const double seconds = argc > 1 ? std::atof(argv[1]) : kestro::DEFAULT_RUN_SECONDS;
    if (argc > 2 || !(seconds > 0.0)) {
        std::fprintf(stderr, "usage: bench_pacing [seconds per loop, above 0]\n");
        return 2;
    }
    const auto length = std::chrono::duration_cast<kestro::Clock::duration>(
        std::chrono::duration<double>(seconds));
    const kestro::Figures paced = measure(kestro::pacedLoop, length);
    const kestro::Figures uncapped = measure(kestro::uncappedLoop, length);
    std::printf("render loop, %.1f s each, display presenting at once\n", seconds);
    std::printf("  %-9s %10s %16s\n", "loop", "draws/s", "CPU/wall second");
    std::printf("  %-9s %10.1f %15.1f%%\n", "paced", paced.drawsPerSecond, paced.cpuShare * 100);
    std::printf("  %-9s %10.1f %15.1f%%\n", "uncapped", uncapped.drawsPerSecond,
                uncapped.cpuShare * 100);
    return 0;
}

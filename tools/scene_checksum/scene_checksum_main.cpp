// Prints the fingerprint of the scene state after a run of the simulation
// alone, so builds for different processors can be compared: the same
// sources must compute the same show everywhere.
//
//   scene_checksum [steps]     (default 3000)
// Output: one line of 16 lowercase hexadecimal digits.

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "tools/scene_checksum/scene_fingerprint.h"

namespace {
constexpr uint64_t DEFAULT_STEPS = 3000;
}

int main(int argc, char** argv) {
    uint64_t steps = DEFAULT_STEPS;
    if (argc > 1) {
        char* end = nullptr;
        steps = std::strtoull(argv[1], &end, 10);
        if (end == argv[1] || *end != '\0') {
            std::fprintf(stderr, "usage: scene_checksum [steps]\n");
            return 2;
        }
    }
    auto scene = std::make_unique<kestro::SceneState>();
    kestro::runSceneSteps(*scene, steps);
    std::printf("%016" PRIx64 "\n", kestro::sceneFingerprint(*scene));
    return 0;
}

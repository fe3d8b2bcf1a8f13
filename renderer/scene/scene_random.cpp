#include "renderer/scene/scene_random.h"

namespace kestro {

namespace {
constexpr uint32_t MULTIPLIER = 214013;
constexpr uint32_t INCREMENT = 2531011;
constexpr int RESULT_SHIFT = 16;
} // namespace

int32_t SceneRandom::next() {
    // Unsigned arithmetic wraps modulo 2^32, which is what the sequence needs.
    state_ = state_ * MULTIPLIER + INCREMENT;
    return static_cast<int32_t>((state_ >> RESULT_SHIFT) & SCENE_RANDOM_MAX);
}

} // namespace kestro

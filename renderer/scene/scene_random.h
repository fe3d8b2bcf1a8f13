#pragma once
// The scene's one source of pseudo-random numbers. It starts from a fixed
// state and is never seeded again, so every run of the saver draws the same
// particle sequence.

#include <cstdint>

namespace kestro {

constexpr uint32_t SCENE_RANDOM_START_STATE = 1;
constexpr int32_t SCENE_RANDOM_MAX = 0x7FFF;

class SceneRandom {
  public:
    // Next value of the linear congruential sequence, 0 to 32767.
    int32_t next();
    uint32_t state() const { return state_; }

  private:
    uint32_t state_ = SCENE_RANDOM_START_STATE;
};

} // namespace kestro

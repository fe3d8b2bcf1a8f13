#pragma once
// A 64-bit fingerprint of the whole scene state: FNV-1a over the bit
// patterns of every particle, every cloud parameter, the timeline and the
// random state, field by field so that padding never counts. Two states
// with the same fingerprint are, for all practical purposes, bit-identical.

#include <cstdint>

#include "renderer/scene/scene_controller.h"

namespace kestro {

uint64_t sceneFingerprint(const SceneState& scene);

// Runs the scene from its fixed start, without drawing, for the given
// number of steps of the designed 17, 17, 16 ms.
void runSceneSteps(SceneState& scene, uint64_t steps);

} // namespace kestro

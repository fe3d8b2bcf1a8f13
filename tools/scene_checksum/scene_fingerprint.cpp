#include "tools/scene_checksum/scene_fingerprint.h"

#include <cstring>

#include "renderer/shell/step_pacer.h"

namespace kestro {

namespace {

constexpr uint64_t FNV_OFFSET_BASIS = 0xcbf29ce484222325ull;
constexpr uint64_t FNV_PRIME = 0x100000001b3ull;

class Fnv1a {
  public:
    template <typename Value> void add(const Value& value) {
        unsigned char bytes[sizeof(Value)];
        std::memcpy(bytes, &value, sizeof(Value));
        for (const unsigned char byte : bytes) {
            hash_ ^= byte;
            hash_ *= FNV_PRIME;
        }
    }
    uint64_t value() const { return hash_; }

  private:
    uint64_t hash_ = FNV_OFFSET_BASIS;
};

void addParticle(Fnv1a& hash, const Particle& p) {
    hash.add(p.alive);
    for (const float field :
         {p.opacity, p.lifeSpanMs, p.red, p.green, p.blue, p.x, p.y, p.z, p.paceX, p.paceY, p.paceZ,
          p.paceDriftX, p.paceDriftY, p.paceDriftZ, p.padX, p.padY})
        hash.add(field);
}

void addParameters(Fnv1a& hash, const CloudParameters& c) {
    hash.add(c.spinOn);
    for (const float field :
         {c.paceScaleX, c.paceScaleY, c.paceScaleZ, c.emitRed, c.emitGreen, c.emitBlue,
          c.spinDivisor, c.spinAngle, c.emitRadiusX, c.emitRadiusY, c.emitAngleX, c.emitAngleY})
        hash.add(field);
}

void addTimeline(Fnv1a& hash, const SceneTimeline& t) {
    for (const int32_t field :
         {static_cast<int32_t>(t.scenePhase), t.stage, t.stageFrame, t.elapsedMs})
        hash.add(field);
    hash.add(t.waitMs);
    hash.add(t.sizeScale);
}

} // namespace

uint64_t sceneFingerprint(const SceneState& scene) {
    Fnv1a hash;
    for (const Particle& particle : scene.cloud.particles)
        addParticle(hash, particle);
    addParameters(hash, scene.cloud.params);
    addTimeline(hash, scene.timeline);
    hash.add(scene.random.state());
    return hash.value();
}

void runSceneSteps(SceneState& scene, uint64_t steps) {
    UndrawnScenePort display;
    setUpScene(scene, display, nullptr);
    for (uint64_t step = 0; step < steps; ++step) {
        updateSceneTiming(scene, designedStepMs(step));
        drawSceneFrame(scene, display);
    }
}

} // namespace kestro

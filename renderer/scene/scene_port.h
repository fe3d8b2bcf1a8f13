#pragma once
// Everything the scene asks of the picture: the drawing state, the sprite,
// clearing, the cloud and the end of a frame. OpenGL in the programs
// (GlScenePort); a recording fake in the tests.

namespace kestro {

struct ParticleCloud;

class ScenePort {
  public:
    virtual ~ScenePort() = default;
    // The fixed drawing state, once per window creation.
    virtual void setUpState() = 0;
    // Loads the sprite and makes its texture; a sprite that cannot be read
    // leaves the particles untextured.
    virtual void loadSprite() = 0;
    // Clears to black and resets the model-view matrix.
    virtual void clearScreen() = 0;
    // Draws every particle as it stands, before this frame moves it.
    virtual void drawCloud(const ParticleCloud& cloud, float sizeScale) = 0;
    virtual void finishFrame() = 0;
};

// A port that draws nothing: steps that only advance the simulation, and
// programs that run the scene without OpenGL.
class UndrawnScenePort final : public ScenePort {
  public:
    void setUpState() override {}
    void loadSprite() override {}
    void clearScreen() override {}
    void drawCloud(const ParticleCloud&, float) override {}
    void finishFrame() override {}
};

} // namespace kestro

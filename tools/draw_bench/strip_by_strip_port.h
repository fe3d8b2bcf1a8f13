#pragma once
// The cloud drawn as the programs drew it before: a glBegin/glEnd triangle
// strip per particle, with its colour, texture and vertex calls. Kept only
// as the bench's reference and the drawing tests' expected picture.

#include "renderer/scene/scene_port_gl.h"

namespace kestro::tools {

class StripByStripPort final : public GlScenePort {
  public:
    using GlScenePort::GlScenePort;
    void drawCloud(const ParticleCloud& cloud, float sizeScale) override;
};

} // namespace kestro::tools

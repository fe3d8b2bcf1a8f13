#pragma once
// The frame-rate display drawn with OpenGL 1.1 into the current context,
// over the scene's picture and before it is presented.

#include "linux/frame_rate_draw_port.h"

namespace kestro {

class GlFrameRateDrawPort final : public FrameRateDrawPort {
  public:
    int pictureHeight() override;
    void drawPanel(const TextPanel& panel) override;
};

} // namespace kestro

#pragma once
// The show with XScreenSaver's -fps display: stands between the shell and
// the scene, passes every call on, and over each picture the scene has
// drawn puts the pictures a second and the processor share in the
// bottom-left corner, before the shell presents it. The steps, and so the
// show's pace, are the scene's alone.

#include "linux/frame_rate_counter.h"
#include "linux/frame_rate_draw_port.h"
#include "renderer/shell/shell_events.h"

namespace kestro {

class FrameRateDisplay final : public ShellEvents {
  public:
    FrameRateDisplay(ShellEvents& scene, FrameRateClockPort& clock, FrameRateDrawPort& picture)
        : scene_(scene), counter_(clock), picture_(picture) {}

    bool initScene(const KeyTable& keys) override;
    void updateTiming(uint32_t elapsedMilliseconds) override;
    void drawFrame(bool drawn) override;

  private:
    ShellEvents& scene_;
    FrameRateCounter counter_;
    FrameRateDrawPort& picture_;
};

} // namespace kestro

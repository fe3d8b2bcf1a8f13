#pragma once
// What the frame-rate display asks of the picture it draws on.

#include "linux/frame_rate_text.h"

namespace kestro {

class FrameRateDrawPort {
  public:
    virtual ~FrameRateDrawPort() = default;
    // The picture's height in pixels, to size the text by.
    virtual int pictureHeight() = 0;
    // Draws the panel over what the picture holds, leaving the drawing's
    // state as it found it.
    virtual void drawPanel(const TextPanel& panel) = 0;
};

} // namespace kestro

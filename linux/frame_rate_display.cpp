#include "linux/frame_rate_display.h"

namespace kestro {

bool FrameRateDisplay::initScene(const KeyTable& keys) {
    counter_.restart();
    return scene_.initScene(keys);
}

void FrameRateDisplay::updateTiming(uint32_t elapsedMilliseconds) {
    scene_.updateTiming(elapsedMilliseconds);
}

void FrameRateDisplay::drawFrame(bool drawn) {
    scene_.drawFrame(drawn);
    if (!drawn)
        return;
    counter_.countPicture();
    const int scale = frameRateTextScale(picture_.pictureHeight());
    picture_.drawPanel(layoutCornerText(frameRateLines(counter_.reading()), scale));
}

} // namespace kestro

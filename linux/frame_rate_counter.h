#pragma once
// Counts the pictures shown and, once a second, turns the count into
// pictures a second and the share of one processor the process used in that
// second, as XScreenSaver's modules show them with -fps.

#include <cstdint>
#include <string>
#include <vector>

#include "linux/frame_rate_clock_port.h"

namespace kestro {

// How often the reading is renewed.
constexpr uint64_t FRAME_RATE_INTERVAL_MICROSECONDS = 1000000;

struct FrameRateReading {
    bool measured = false; // false until a whole interval has passed
    double picturesPerSecond = 0.0;
    double processorPercent = 0.0; // of one processor; above 100 with threads
};

class FrameRateCounter {
  public:
    explicit FrameRateCounter(FrameRateClockPort& clock) : clock_(clock) {}

    // A picture was drawn. The first starts the count; a picture that closes
    // an interval renews the reading.
    void countPicture();
    // Starts the count again at the next picture (a new window: the time
    // between is no one's picture rate).
    void restart() { started_ = false; }
    const FrameRateReading& reading() const { return reading_; }

  private:
    FrameRateClockPort& clock_;
    FrameRateReading reading_;
    bool started_ = false;
    uint64_t intervalWall_ = 0;
    uint64_t intervalProcessor_ = 0;
    uint64_t pictures_ = 0;
};

// The display's lines: "FPS: 59.9" and "Load: 12.3%", dashes before the
// first measure.
std::vector<std::string> frameRateLines(const FrameRateReading& reading);

} // namespace kestro

#include "linux/frame_rate_counter.h"

#include <cstdio>

namespace kestro {

namespace {

constexpr double PERCENT = 100.0;
constexpr double MICROSECONDS_PER_SECOND = 1e6;

std::string formatted(const char* format, double value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

void FrameRateCounter::countPicture() {
    const uint64_t wall = clock_.wallMicroseconds();
    const uint64_t processor = clock_.processorMicroseconds();
    if (!started_) {
        started_ = true;
        intervalWall_ = wall;
        intervalProcessor_ = processor;
        pictures_ = 0;
        return;
    }
    ++pictures_;
    const uint64_t elapsed = wall - intervalWall_;
    if (elapsed < FRAME_RATE_INTERVAL_MICROSECONDS)
        return;
    const double seconds = static_cast<double>(elapsed) / MICROSECONDS_PER_SECOND;
    reading_.measured = true;
    reading_.picturesPerSecond = static_cast<double>(pictures_) / seconds;
    // The processor clock of a process never runs back, but it is read after
    // the wall's: guard the difference all the same.
    const uint64_t used = processor > intervalProcessor_ ? processor - intervalProcessor_ : 0;
    reading_.processorPercent = PERCENT * static_cast<double>(used) / static_cast<double>(elapsed);
    intervalWall_ = wall;
    intervalProcessor_ = processor;
    pictures_ = 0;
}

std::vector<std::string> frameRateLines(const FrameRateReading& reading) {
    if (!reading.measured)
        return {"FPS: --", "Load: --"};
    return {formatted("FPS: %.1f", reading.picturesPerSecond),
            formatted("Load: %.1f%%", reading.processorPercent)};
}

} // namespace kestro

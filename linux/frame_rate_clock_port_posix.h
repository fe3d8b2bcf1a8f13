#pragma once
// The frame-rate display's clocks on POSIX: CLOCK_MONOTONIC and getrusage.

#include "linux/frame_rate_clock_port.h"

namespace kestro {

class PosixFrameRateClockPort final : public FrameRateClockPort {
  public:
    uint64_t wallMicroseconds() override;
    uint64_t processorMicroseconds() override;
};

} // namespace kestro

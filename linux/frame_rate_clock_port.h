#pragma once
// The two clocks the frame-rate display reads: the wall's and the
// processor time the whole process has used (every thread, user and system).

#include <cstdint>

namespace kestro {

class FrameRateClockPort {
  public:
    virtual ~FrameRateClockPort() = default;
    // A steady clock, never set back.
    virtual uint64_t wallMicroseconds() = 0;
    virtual uint64_t processorMicroseconds() = 0;
};

} // namespace kestro

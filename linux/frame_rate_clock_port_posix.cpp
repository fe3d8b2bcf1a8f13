#include "linux/frame_rate_clock_port_posix.h"

#include <sys/resource.h>
#include <time.h>

namespace kestro {

namespace {

constexpr uint64_t MICROSECONDS_PER_SECOND = 1000000;
constexpr uint64_t NANOSECONDS_PER_MICROSECOND = 1000;

uint64_t microseconds(const timeval& time) {
    return static_cast<uint64_t>(time.tv_sec) * MICROSECONDS_PER_SECOND +
           static_cast<uint64_t>(time.tv_usec);
}

} // namespace

uint64_t PosixFrameRateClockPort::wallMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint64_t>(now.tv_sec) * MICROSECONDS_PER_SECOND +
           static_cast<uint64_t>(now.tv_nsec) / NANOSECONDS_PER_MICROSECOND;
}

// The driver's threads (Mesa's rasterisers) count with the program's own.
uint64_t PosixFrameRateClockPort::processorMicroseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return microseconds(usage.ru_utime) + microseconds(usage.ru_stime);
}

} // namespace kestro

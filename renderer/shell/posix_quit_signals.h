#pragma once
// SIGTERM and SIGINT as every POSIX backend hears them: held back while the
// show draws, let through only while it waits, so a signal is seen at once
// and a picture is never cut off half-way. One instance at a time, for the
// whole run of a backend.

#include <poll.h>
#include <signal.h>

#include <cstdint>

namespace kestro {

class PosixQuitSignals {
  public:
    PosixQuitSignals();
    // Any quit signal still pending is taken, so that it cannot end the
    // process once the old handling is back; then the old handling returns.
    ~PosixQuitSignals();
    PosixQuitSignals(const PosixQuitSignals&) = delete;
    PosixQuitSignals& operator=(const PosixQuitSignals&) = delete;

    // True once SIGTERM or SIGINT has come, or one waits to be let through.
    bool signalled() const;
    // Blocks until one of the descriptors is readable, a quit signal comes,
    // or the time is up; a negative time waits without limit.
    void waitReadable(pollfd* descriptors, nfds_t count, int64_t timeoutMicroseconds) const;

  private:
    sigset_t waitMask_;
    sigset_t originalMask_;
    struct sigaction originalTerm_;
    struct sigaction originalInt_;
};

// CLOCK_MONOTONIC in microseconds.
uint64_t monotonicMicroseconds();

} // namespace kestro

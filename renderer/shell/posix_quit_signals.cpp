#include "renderer/shell/posix_quit_signals.h"

#include <time.h>

#include "renderer/shell/step_pacer.h"

namespace kestro {

namespace {

constexpr int64_t NANOSECONDS_PER_MICROSECOND = 1000;

// Set by the handler, while a wait lets the signals through.
volatile sig_atomic_t quitSignal = 0;

void onQuitSignal(int) {
    quitSignal = 1;
}

sigset_t quitSignalSet() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    return signals;
}

} // namespace

PosixQuitSignals::PosixQuitSignals() {
    quitSignal = 0;
    const sigset_t signals = quitSignalSet();
    sigprocmask(SIG_BLOCK, &signals, &originalMask_);
    waitMask_ = originalMask_;
    sigdelset(&waitMask_, SIGTERM);
    sigdelset(&waitMask_, SIGINT);
    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, &originalTerm_);
    sigaction(SIGINT, &action, &originalInt_);
}

PosixQuitSignals::~PosixQuitSignals() {
    const sigset_t signals = quitSignalSet();
    const timespec noWait = {};
    while (sigtimedwait(&signals, nullptr, &noWait) > 0) {
    }
    sigaction(SIGTERM, &originalTerm_, nullptr);
    sigaction(SIGINT, &originalInt_, nullptr);
    sigprocmask(SIG_SETMASK, &originalMask_, nullptr);
}

bool PosixQuitSignals::signalled() const {
    if (quitSignal)
        return true;
    sigset_t pending;
    sigemptyset(&pending);
    sigpending(&pending);
    return sigismember(&pending, SIGTERM) == 1 || sigismember(&pending, SIGINT) == 1;
}

void PosixQuitSignals::waitReadable(pollfd* descriptors, nfds_t count,
                                    int64_t timeoutMicroseconds) const {
    timespec timeout = {};
    timeout.tv_sec = static_cast<time_t>(timeoutMicroseconds /
                                         static_cast<int64_t>(MICROSECONDS_PER_SECOND));
    timeout.tv_nsec = static_cast<long>(timeoutMicroseconds %
                                        static_cast<int64_t>(MICROSECONDS_PER_SECOND)) *
                      NANOSECONDS_PER_MICROSECOND;
    // A signal that came while drawing is taken as the mask opens, and one
    // that comes during the wait ends it.
    ppoll(descriptors, count, timeoutMicroseconds < 0 ? nullptr : &timeout, &waitMask_);
}

uint64_t monotonicMicroseconds() {
    timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint64_t>(now.tv_sec) * MICROSECONDS_PER_SECOND +
           static_cast<uint64_t>(now.tv_nsec) / NANOSECONDS_PER_MICROSECOND;
}

} // namespace kestro

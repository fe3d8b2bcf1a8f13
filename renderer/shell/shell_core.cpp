// The paced loop: each pass first takes what the window system has to say,
// then runs the steps the clock has made due and presents the last one
// drawn, or waits until the next step is due or something happens. A
// window that is hidden only waits.

#include "renderer/shell/shell_core.h"

#include "renderer/shell/render_loop.h"

namespace kestro {

ShellCore::ShellCore(WindowBackend& backend, bool fullScreen)
    : backend_(backend), fullScreenRequest_(fullScreen) {}

int ShellCore::run(ShellEvents& events) {
    const int startStatus = backend_.start();
    if (startStatus != 0)
        return startStatus;
    quitRequested_ = false;
    int exitStatus = 0;
    while (runWindow(events, exitStatus) && reopenRequested_ && !quitRequested_) {
    }
    backend_.stop();
    return exitStatus;
}

bool ShellCore::runWindow(ShellEvents& events, int& exitStatus) {
    reopenRequested_ = false;
    const OpenedPlace place = backend_.open(fullScreenRequest_);
    if (!place.ready) {
        exitStatus = place.exitStatus;
        return false;
    }
    drawing_ = true;
    keys_.clear();
    applySize(place.width, place.height);
    if (events.initScene(keys_.table())) {
        // The time the new window took is not made up for.
        pacer_.restart(backend_.clockMicroseconds());
        runLoop(events);
    } else {
        quitRequested_ = true;
    }
    backend_.close();
    return true;
}

// Until a quit or a screen-mode toggle; both are asked before every pass,
// so they end the loop even when steps are always due and it never waits.
void ShellCore::runLoop(ShellEvents& events) {
    while (!quitRequested_ && !reopenRequested_) {
        BackendEvent event;
        if (backend_.takeEvent(event)) {
            handle(event);
            continue;
        }
        if (!drawing_) {
            backend_.waitEvent(WAIT_WITHOUT_LIMIT);
            continue;
        }
        const uint64_t now = backend_.clockMicroseconds();
        if (runDueSteps(pacer_, events, now)) {
            keys_.passSeen();
            backend_.present();
        } else {
            backend_.waitEvent(static_cast<int64_t>(pacer_.microsecondsUntilNextStep(now)));
        }
    }
}

void ShellCore::handle(const BackendEvent& event) {
    switch (event.kind) {
    case BackendEventKind::Key:
        if (event.key < 0 || event.key >= KEY_COUNT)
            break;
        if (event.pressed)
            keys_.press(event.key);
        else
            keys_.release(event.key);
        break;
    case BackendEventKind::Resized:
        // A size that did not change (a move) leaves the view alone.
        if (event.width != width_ || event.height != height_)
            applySize(event.width, event.height);
        break;
    case BackendEventKind::Shown:
        drawing_ = true;
        break;
    case BackendEventKind::Hidden:
        drawing_ = false;
        break;
    case BackendEventKind::CloseAsked:
    case BackendEventKind::Lost:
        quitRequested_ = true;
        break;
    case BackendEventKind::ToggleScreenMode:
        fullScreenRequest_ = !fullScreenRequest_;
        reopenRequested_ = true;
        break;
    }
}

// The show's projection follows the drawing place's shape.
void ShellCore::applySize(int32_t width, int32_t height) {
    width_ = width;
    height_ = height;
    backend_.resizeView(width, height);
}

} // namespace kestro

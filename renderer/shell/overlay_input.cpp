#include "renderer/shell/overlay_input.h"

#include "renderer/shell/evdev_keys.h"

namespace kestro {

void OverlayInput::key(uint32_t evdevCode, bool pressed) {
    const int virtualKey = virtualKeyOfEvdev(evdevCode);
    if (virtualKey >= 0) {
        BackendEvent event;
        event.kind = BackendEventKind::Key;
        event.key = virtualKey;
        event.pressed = pressed;
        events_.push_back(event);
    }
    if (pressed)
        end();
}

void OverlayInput::buttonPressed() {
    end();
}

void OverlayInput::scrolled() {
    end();
}

void OverlayInput::pointerEntered(double x, double y) {
    pointerKnown_ = true;
    pointerX_ = x;
    pointerY_ = y;
}

// A compositor may report the pointer again where it already stood (a
// surface mapped under it); only a report of somewhere else is a move.
void OverlayInput::pointerMoved(double x, double y) {
    const bool moved = pointerKnown_ && (x != pointerX_ || y != pointerY_);
    pointerEntered(x, y);
    if (moved)
        end();
}

void OverlayInput::pointerLeft() {
    pointerKnown_ = false;
}

void OverlayInput::end() {
    BackendEvent event;
    event.kind = BackendEventKind::CloseAsked;
    events_.push_back(event);
}

} // namespace kestro

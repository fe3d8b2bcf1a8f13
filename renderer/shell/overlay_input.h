#pragma once
// What input means to the show on the overlay layer, where nothing else
// ends it (an idle daemon starts it and waits for it to end): any key
// press, button press, scroll or move of the pointer ends it, a key being
// handed to the shell first. Keys already held when the keyboard came to it
// (the release of the key that started it) and the pointer's first report
// of where it stands end nothing.

#include <cstdint>
#include <deque>

#include "renderer/shell/window_backend.h"

namespace kestro {

class OverlayInput {
  public:
    // The events go to the queue the backend hands to the shell core.
    explicit OverlayInput(std::deque<BackendEvent>& events) : events_(events) {}

    // An evdev key code, pressed or released.
    void key(uint32_t evdevCode, bool pressed);
    void buttonPressed();
    void scrolled();
    // The pointer came onto one of the show's surfaces, there.
    void pointerEntered(double x, double y);
    void pointerMoved(double x, double y);
    void pointerLeft();

  private:
    void end();

    std::deque<BackendEvent>& events_;
    bool pointerKnown_ = false;
    double pointerX_ = 0.0;
    double pointerY_ = 0.0;
};

} // namespace kestro

#pragma once
// The seat's keyboard and pointer, for the show on the overlay layer: they
// are taken as the seat offers them and handed, as they speak, to
// OverlayInput, which decides what ends the show.

#include <cstdint>

#include "renderer/shell/overlay_input.h"

struct wl_keyboard;
struct wl_pointer;
struct wl_seat;

namespace kestro {

class WaylandSeat {
  public:
    WaylandSeat(wl_seat* seat, OverlayInput& input);
    ~WaylandSeat();
    WaylandSeat(const WaylandSeat&) = delete;
    WaylandSeat& operator=(const WaylandSeat&) = delete;

    OverlayInput& input() { return input_; }

  private:
    static void onCapabilities(void* data, wl_seat* seat, uint32_t capabilities);
    void releaseKeyboard();
    void releasePointer();

    wl_seat* seat_;
    OverlayInput& input_;
    wl_keyboard* keyboard_ = nullptr;
    wl_pointer* pointer_ = nullptr;
};

} // namespace kestro

#pragma once
// The seat's keyboard and pointer, for the show on the overlay layer: they
// are taken as the seat offers them and handed, as they speak, to
// OverlayInput, which decides what ends the show. The seat is handed over
// as it is bound, so that the first word of what it offers is heard.

#include <cstdint>

#include "renderer/shell/overlay_input.h"

struct wl_keyboard;
struct wl_pointer;
struct wl_seat;

namespace kestro {

class WaylandSeat {
  public:
    explicit WaylandSeat(OverlayInput& input) : input_(input) {}
    ~WaylandSeat() { release(); }
    WaylandSeat(const WaylandSeat&) = delete;
    WaylandSeat& operator=(const WaylandSeat&) = delete;

    // The bound seat, now ours; `version` is the one it was bound at.
    void attach(wl_seat* seat, uint32_t version);
    // Gives back the keyboard, the pointer and the seat.
    void release();

    OverlayInput& input() { return input_; }

  private:
    static void onCapabilities(void* data, wl_seat* seat, uint32_t capabilities);
    void releaseKeyboard();
    void releasePointer();

    OverlayInput& input_;
    wl_seat* seat_ = nullptr;
    uint32_t seatVersion_ = 0;
    wl_keyboard* keyboard_ = nullptr;
    wl_pointer* pointer_ = nullptr;
};

} // namespace kestro

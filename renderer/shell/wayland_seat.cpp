#include "renderer/shell/wayland_seat.h"

#include <unistd.h>

#include <wayland-client.h>

namespace kestro {

namespace {

// wl_keyboard.release and wl_pointer.release came with version 3,
// wl_seat.release with version 5.
constexpr uint32_t INPUT_RELEASE_VERSION = 3;
constexpr uint32_t SEAT_RELEASE_VERSION = 5;

OverlayInput& inputOf(void* data) {
    return static_cast<WaylandSeat*>(data)->input();
}

void onKeymap(void*, wl_keyboard*, uint32_t, int32_t keymap, uint32_t) {
    // Keys are read by their evdev codes; the layout is not needed.
    close(keymap);
}
// The keys held as the keyboard comes are not pressed now.
void onKeyboardEnter(void*, wl_keyboard*, uint32_t, wl_surface*, wl_array*) {}
void onKeyboardLeave(void*, wl_keyboard*, uint32_t, wl_surface*) {}
void onKey(void* data, wl_keyboard*, uint32_t, uint32_t, uint32_t key, uint32_t state) {
    inputOf(data).key(key, state == WL_KEYBOARD_KEY_STATE_PRESSED);
}
void onModifiers(void*, wl_keyboard*, uint32_t, uint32_t, uint32_t, uint32_t, uint32_t) {}
void onRepeatInfo(void*, wl_keyboard*, int32_t, int32_t) {}

void onPointerEnter(void* data, wl_pointer*, uint32_t, wl_surface*, wl_fixed_t x, wl_fixed_t y) {
    inputOf(data).pointerEntered(wl_fixed_to_double(x), wl_fixed_to_double(y));
}
void onPointerLeave(void* data, wl_pointer*, uint32_t, wl_surface*) {
    inputOf(data).pointerLeft();
}
void onMotion(void* data, wl_pointer*, uint32_t, wl_fixed_t x, wl_fixed_t y) {
    inputOf(data).pointerMoved(wl_fixed_to_double(x), wl_fixed_to_double(y));
}
void onButton(void* data, wl_pointer*, uint32_t, uint32_t, uint32_t, uint32_t state) {
    if (state == WL_POINTER_BUTTON_STATE_PRESSED)
        inputOf(data).buttonPressed();
}
void onAxis(void* data, wl_pointer*, uint32_t, uint32_t, wl_fixed_t) {
    inputOf(data).scrolled();
}
void onFrame(void*, wl_pointer*) {}
void onAxisSource(void*, wl_pointer*, uint32_t) {}
void onAxisStop(void*, wl_pointer*, uint32_t, uint32_t) {}
void onAxisDiscrete(void*, wl_pointer*, uint32_t, int32_t) {}

const wl_keyboard_listener KEYBOARD_LISTENER = {
    onKeymap, onKeyboardEnter, onKeyboardLeave, onKey, onModifiers, onRepeatInfo,
};
// Up to the seat version this client binds (5); later events never come.
const wl_pointer_listener POINTER_LISTENER = {
    onPointerEnter, onPointerLeave, onMotion,   onButton,       onAxis,
    onFrame,        onAxisSource,   onAxisStop, onAxisDiscrete, nullptr,
};

void onSeatName(void*, wl_seat*, const char*) {}

} // namespace

void WaylandSeat::attach(wl_seat* seat, uint32_t version) {
    static const wl_seat_listener listener = {onCapabilities, onSeatName};
    release();
    seat_ = seat;
    seatVersion_ = version;
    wl_seat_add_listener(seat_, &listener, this);
}

void WaylandSeat::release() {
    releaseKeyboard();
    releasePointer();
    if (seat_ == nullptr)
        return;
    if (seatVersion_ >= SEAT_RELEASE_VERSION)
        wl_seat_release(seat_);
    else
        wl_seat_destroy(seat_);
    seat_ = nullptr;
}

// A seat may gain or lose its keyboard and pointer at any time (a
// keyboard plugged in, a virtual one made).
void WaylandSeat::onCapabilities(void* data, wl_seat* seat, uint32_t capabilities) {
    auto* self = static_cast<WaylandSeat*>(data);
    const bool hasKeyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
    const bool hasPointer = (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0;
    if (hasKeyboard && self->keyboard_ == nullptr) {
        self->keyboard_ = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(self->keyboard_, &KEYBOARD_LISTENER, self);
    } else if (!hasKeyboard) {
        self->releaseKeyboard();
    }
    if (hasPointer && self->pointer_ == nullptr) {
        self->pointer_ = wl_seat_get_pointer(seat);
        wl_pointer_add_listener(self->pointer_, &POINTER_LISTENER, self);
    } else if (!hasPointer) {
        self->releasePointer();
    }
}

void WaylandSeat::releaseKeyboard() {
    if (keyboard_ == nullptr)
        return;
    if (wl_keyboard_get_version(keyboard_) >= INPUT_RELEASE_VERSION)
        wl_keyboard_release(keyboard_);
    else
        wl_keyboard_destroy(keyboard_);
    keyboard_ = nullptr;
}

void WaylandSeat::releasePointer() {
    if (pointer_ == nullptr)
        return;
    if (wl_pointer_get_version(pointer_) >= INPUT_RELEASE_VERSION)
        wl_pointer_release(pointer_);
    else
        wl_pointer_destroy(pointer_);
    pointer_ = nullptr;
}

} // namespace kestro

#include "renderer/shell/key_taps.h"

#include <cstddef>

namespace kestro {

void KeyTaps::clear() {
    table_ = KeyTable{};
    pressUnseen_.reset();
    releaseWaiting_.reset();
}

void KeyTaps::press(int key) {
    table_.keys[key] = 1;
    pressUnseen_.set(static_cast<size_t>(key));
    releaseWaiting_.reset(static_cast<size_t>(key));
}

void KeyTaps::release(int key) {
    if (pressUnseen_[static_cast<size_t>(key)])
        releaseWaiting_.set(static_cast<size_t>(key));
    else
        table_.keys[key] = 0;
}

void KeyTaps::passSeen() {
    for (int key = 0; key < KEY_COUNT; ++key)
        if (releaseWaiting_[static_cast<size_t>(key)])
            table_.keys[key] = 0;
    pressUnseen_.reset();
    releaseWaiting_.reset();
}

} // namespace kestro

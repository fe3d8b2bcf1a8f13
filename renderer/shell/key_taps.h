#pragma once
// The key table as the shell core keeps it from a backend's key events. A
// tap (down and up between two passes of steps, as quick and synthetic key
// strokes come) still reaches one pass: the release of a key no step has
// seen held waits until that pass is over.

#include <bitset>

#include "renderer/shell/key_table.h"

namespace kestro {

class KeyTaps {
  public:
    // All keys up, nothing waiting: for a new window.
    void clear();
    void press(int key);
    void release(int key);
    // A pass of steps has seen the table: releases that waited take effect.
    void passSeen();

    const KeyTable& table() const { return table_; }

  private:
    KeyTable table_{};
    std::bitset<KEY_COUNT> pressUnseen_;
    std::bitset<KEY_COUNT> releaseWaiting_;
};

} // namespace kestro

#include "renderer/shell/evdev_keys.h"

#include <linux/input-event-codes.h>

#include "renderer/shell/key_table.h"

namespace kestro {

namespace {

constexpr int VIRTUAL_KEY_RETURN = 13;
constexpr int VIRTUAL_KEY_SPACE = 32;

struct KeyPlace {
    uint32_t code;
    int virtualKey;
};

// Digits and letters share their virtual-key codes with ASCII, letters in
// capitals; evdev numbers them by their rows, not in order.
constexpr KeyPlace KEY_PLACES[] = {
    {KEY_ESC, KEY_ESCAPE},
    {KEY_ENTER, VIRTUAL_KEY_RETURN},
    {KEY_KPENTER, VIRTUAL_KEY_RETURN},
    {KEY_SPACE, VIRTUAL_KEY_SPACE},
    {KEY_1, '1'},
    {KEY_2, '2'},
    {KEY_3, '3'},
    {KEY_4, '4'},
    {KEY_5, '5'},
    {KEY_6, '6'},
    {KEY_7, '7'},
    {KEY_8, '8'},
    {KEY_9, '9'},
    {KEY_0, '0'},
    {KEY_Q, 'Q'},
    {KEY_W, 'W'},
    {KEY_E, 'E'},
    {KEY_R, 'R'},
    {KEY_T, 'T'},
    {KEY_Y, 'Y'},
    {KEY_U, 'U'},
    {KEY_I, 'I'},
    {KEY_O, 'O'},
    {KEY_P, 'P'},
    {KEY_A, 'A'},
    {KEY_S, 'S'},
    {KEY_D, 'D'},
    {KEY_F, 'F'},
    {KEY_G, 'G'},
    {KEY_H, 'H'},
    {KEY_J, 'J'},
    {KEY_K, 'K'},
    {KEY_L, 'L'},
    {KEY_Z, 'Z'},
    {KEY_X, 'X'},
    {KEY_C, 'C'},
    {KEY_V, 'V'},
    {KEY_B, 'B'},
    {KEY_N, 'N'},
    {KEY_M, 'M'},
};

} // namespace

int virtualKeyOfEvdev(uint32_t code) {
    for (const KeyPlace& place : KEY_PLACES)
        if (place.code == code)
            return place.virtualKey;
    return -1;
}

} // namespace kestro

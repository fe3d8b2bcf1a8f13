// What input means on the overlay layer, from evdev codes and pointer
// reports to the events the shell core gets.

#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include <deque>
#include <vector>

#include "renderer/shell/evdev_keys.h"
#include "renderer/shell/key_table.h"
#include "renderer/shell/overlay_input.h"

namespace kestro {
namespace {

TEST(EvdevKeys, KeysTheTableHoldsReadAsOnAUsKeyboard) {
    struct Line {
        uint32_t code;
        int virtualKey;
    };
    const Line lines[] = {
        {KEY_ESC, KEY_ESCAPE},
        {KEY_ENTER, 13},
        {KEY_KPENTER, 13},
        {KEY_SPACE, 32},
        // The digit row runs 1..9, then 0.
        {KEY_1, '1'},
        {KEY_9, '9'},
        {KEY_0, '0'},
        // Letters by their rows, not in alphabetical order.
        {KEY_Q, 'Q'},
        {KEY_P, 'P'},
        {KEY_A, 'A'},
        {KEY_L, 'L'},
        {KEY_Z, 'Z'},
        {KEY_M, 'M'},
        {KEY_X, 'X'},
    };
    for (const Line& line : lines)
        EXPECT_EQ(virtualKeyOfEvdev(line.code), line.virtualKey) << "evdev code " << line.code;
}

TEST(EvdevKeys, EveryLetterAndDigitHasOneCodeOfItsOwn) {
    std::vector<int> seen(KEY_COUNT, 0);
    for (uint32_t code = 0; code < KEY_MAX; ++code) {
        const int virtualKey = virtualKeyOfEvdev(code);
        if (virtualKey >= 0)
            ++seen[static_cast<size_t>(virtualKey)];
    }
    for (int key = '0'; key <= '9'; ++key)
        EXPECT_EQ(seen[static_cast<size_t>(key)], 1) << static_cast<char>(key);
    for (int key = 'A'; key <= 'Z'; ++key)
        EXPECT_EQ(seen[static_cast<size_t>(key)], 1) << static_cast<char>(key);
}

TEST(EvdevKeys, KeysTheTableDoesNotHoldAreNone) {
    for (uint32_t code : {0u, static_cast<uint32_t>(KEY_LEFTSHIFT), static_cast<uint32_t>(KEY_F1),
                          static_cast<uint32_t>(KEY_UP), static_cast<uint32_t>(KEY_MAX)})
        EXPECT_EQ(virtualKeyOfEvdev(code), -1) << "evdev code " << code;
}

class OverlayInputTest : public ::testing::Test {
  protected:
    std::vector<BackendEventKind> kinds() const {
        std::vector<BackendEventKind> taken;
        for (const BackendEvent& event : events)
            taken.push_back(event.kind);
        return taken;
    }

    std::deque<BackendEvent> events;
    OverlayInput input{events};
};

TEST_F(OverlayInputTest, AKeyPressIsHandedOnThenEndsTheShow) {
    input.key(KEY_A, true);
    ASSERT_EQ(kinds(),
              (std::vector<BackendEventKind>{BackendEventKind::Key, BackendEventKind::CloseAsked}));
    EXPECT_EQ(events[0].key, 'A');
    EXPECT_TRUE(events[0].pressed);
}

TEST_F(OverlayInputTest, AKeyTheTableDoesNotHoldStillEndsTheShow) {
    input.key(KEY_LEFTSHIFT, true);
    EXPECT_EQ(kinds(), (std::vector<BackendEventKind>{BackendEventKind::CloseAsked}));
}

// The release of the key that started the show from a terminal comes
// after the show took the keyboard.
TEST_F(OverlayInputTest, AReleaseAloneEndsNothing) {
    input.key(KEY_ENTER, false);
    input.key(KEY_LEFTCTRL, false);
    ASSERT_EQ(kinds(), (std::vector<BackendEventKind>{BackendEventKind::Key}));
    EXPECT_FALSE(events[0].pressed);
}

TEST_F(OverlayInputTest, ButtonsAndScrollingEndTheShow) {
    input.buttonPressed();
    input.scrolled();
    EXPECT_EQ(kinds(), (std::vector<BackendEventKind>{BackendEventKind::CloseAsked,
                                                      BackendEventKind::CloseAsked}));
}

TEST_F(OverlayInputTest, ThePointerEndsTheShowOnlyWhenItMoves) {
    // A surface mapped under a resting pointer: told where it is, twice.
    input.pointerEntered(100.0, 50.0);
    input.pointerMoved(100.0, 50.0);
    EXPECT_TRUE(events.empty());
    input.pointerMoved(100.5, 50.0);
    EXPECT_EQ(kinds(), (std::vector<BackendEventKind>{BackendEventKind::CloseAsked}));
}

TEST_F(OverlayInputTest, APointerThatLeftIsPlacedAnewByItsNextReport) {
    input.pointerEntered(10.0, 10.0);
    input.pointerLeft();
    // Onto another output's cover, somewhere else: where it now stands.
    input.pointerEntered(700.0, 300.0);
    input.pointerMoved(700.0, 300.0);
    EXPECT_TRUE(events.empty());
    input.pointerLeft();
    input.pointerMoved(5.0, 5.0);
    EXPECT_TRUE(events.empty());
    input.pointerMoved(6.0, 5.0);
    EXPECT_EQ(kinds(), (std::vector<BackendEventKind>{BackendEventKind::CloseAsked}));
}

} // namespace
} // namespace kestro

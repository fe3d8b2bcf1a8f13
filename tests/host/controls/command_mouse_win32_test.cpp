// The button's mouse, focus and timer handling on a real window under Wine:
// pointer moves and button presses as the system delivers them, and the
// 100 ms poll that ends the hover look.

#include "tests/host/controls/command_win32_fixture.h"

#include <gtest/gtest.h>

namespace kestro {
namespace {

using namespace kestro::testing;

constexpr DWORD LONGER_THAN_A_TICK_MS = 300;

// Input goes through the X server and may take a while under load: each
// step waits for what it must lead to, and only "nothing happens" checks wait
// a fixed time.
void sendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
    pumpMessages(20);
}

bool pointerAt(POINT at) {
    POINT now{};
    return GetCursorPos(&now) && now.x == at.x && now.y == at.y;
}

class CommandMouse : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(host, nullptr);
        ASSERT_TRUE(button.create(host, {150, 150, 1155, 375}, {{"Caption", std::string("Go")}},
                                  dialogFont()));
        ASSERT_TRUE(other.create(host, {150, 900, 1155, 375}, {}, dialogFont()));
        button.Click = [this] { ++clicks; };
        button.Initialize();
        other.Initialize();
        pumpMessages(20);
    }
    void pointerTo(HWND window, int x, int y) {
        POINT at{x, y};
        ClientToScreen(window, &at);
        SetCursorPos(at.x, at.y);
        EXPECT_TRUE(pumpUntil([&] { return pointerAt(at); }));
        pumpMessages(20);
    }
    bool stateBecomes(ButtonState state) {
        return pumpUntil([&] { return button.CurrentState() == state; });
    }
    bool clicksBecome(int count) {
        return pumpUntil([&] { return clicks == count; });
    }
    bool captureBecomes(HWND window) {
        return pumpUntil([&] { return GetCapture() == window; });
    }
    void pointerOverButton() { pointerTo(button.hwnd(), 38, 12); }
    void pointerOverForm() { pointerTo(host, 200, 120); }

    HWND host = sharedHostWindow();
    Command button;
    Command other;
    int clicks = 0;
};

TEST_F(CommandMouse, RealClickRaisesClickOnce) {
    pointerOverButton();
    ASSERT_EQ(WindowFromPoint(POINT{HOST_LEFT + 48, HOST_TOP + 22}), button.hwnd());
    EXPECT_TRUE(stateBecomes(ButtonState::HighLight));
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(stateBecomes(ButtonState::HighLightSelect));
    EXPECT_EQ(GetFocus(), button.hwnd());
    EXPECT_EQ(clicks, 0);
    sendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(clicksBecome(1));
    pumpMessages(LONGER_THAN_A_TICK_MS);
    EXPECT_EQ(clicks, 1);
}

TEST_F(CommandMouse, PollEndsTheHoverLookWhenThePointerLeaves) {
    pointerOverButton();
    EXPECT_TRUE(stateBecomes(ButtonState::HighLight));
    pumpMessages(LONGER_THAN_A_TICK_MS); // still over the control: stays
    EXPECT_EQ(button.CurrentState(), ButtonState::HighLight);
    pointerOverForm();
    EXPECT_TRUE(stateBecomes(ButtonState::Normal));

    SetFocus(button.hwnd());
    pointerOverButton();
    EXPECT_TRUE(stateBecomes(ButtonState::HighLightSelect));
    pointerTo(other.hwnd(), 38, 12); // another button counts as outside
    EXPECT_TRUE(stateBecomes(ButtonState::Selected));
}

TEST_F(CommandMouse, DragOutPastATickAndReleaseRaisesNothing) {
    pointerOverButton();
    EXPECT_TRUE(stateBecomes(ButtonState::HighLight));
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(captureBecomes(button.hwnd()));
    pointerOverForm();
    EXPECT_TRUE(stateBecomes(ButtonState::Selected));
    pointerOverButton(); // back over it, still held: nothing changes
    pumpMessages(LONGER_THAN_A_TICK_MS);
    EXPECT_EQ(button.CurrentState(), ButtonState::Selected);
    sendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(captureBecomes(nullptr));
    pumpMessages(LONGER_THAN_A_TICK_MS);
    EXPECT_EQ(clicks, 0);
}

TEST_F(CommandMouse, ReleaseOutsideBeforeTheTickStillClicks) {
    pointerOverButton();
    EXPECT_TRUE(stateBecomes(ButtonState::HighLight));
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(captureBecomes(button.hwnd()));
    KillTimer(button.hwnd(), 1); // hold the poll so no tick can come between
    pointerOverForm();
    sendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(clicksBecome(1));
    EXPECT_TRUE(captureBecomes(nullptr));
}

TEST_F(CommandMouse, RightReleaseClicksAndKeysNever) {
    pointerOverButton();
    EXPECT_TRUE(stateBecomes(ButtonState::HighLight));
    sendMouse(MOUSEEVENTF_RIGHTDOWN);
    EXPECT_TRUE(captureBecomes(button.hwnd()));
    sendMouse(MOUSEEVENTF_RIGHTUP);
    EXPECT_TRUE(clicksBecome(1));
    EXPECT_EQ(button.CurrentState(), ButtonState::HighLight);

    SetFocus(button.hwnd());
    for (WPARAM key : {VK_RETURN, VK_SPACE}) {
        SendMessageA(button.hwnd(), WM_KEYDOWN, key, 0);
        SendMessageA(button.hwnd(), WM_CHAR, key, 0);
        SendMessageA(button.hwnd(), WM_KEYUP, key, 0);
    }
    pumpMessages(20);
    EXPECT_EQ(clicks, 1);
}

TEST_F(CommandMouse, DisabledButtonIgnoresThePointer) {
    button.setEnabled(BOOL16_FALSE);
    pointerOverButton();
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(captureBecomes(button.hwnd()));
    sendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(captureBecomes(nullptr));
    pumpMessages(LONGER_THAN_A_TICK_MS);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(button.CurrentState(), ButtonState::Normal);

    button.setEnabled(BOOL16_TRUE);
    pointerOverForm();
    pointerOverButton();
    EXPECT_TRUE(stateBecomes(ButtonState::HighLight));
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    sendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(clicksBecome(1));
}

TEST(CommandOwnForm, ClickCanCloseTheForm) {
    HostWindow form;
    Command button;
    ASSERT_TRUE(button.create(form.hwnd(), {150, 150, 1155, 375}, {}, dialogFont()));
    button.Initialize();
    button.Click = [&] { DestroyWindow(form.hwnd()); };
    POINT at{38, 12};
    ClientToScreen(button.hwnd(), &at);
    SetCursorPos(at.x, at.y);
    EXPECT_TRUE(pumpUntil([&] { return button.CurrentState() == ButtonState::HighLight; }));
    sendMouse(MOUSEEVENTF_LEFTDOWN);
    sendMouse(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(pumpUntil([&] { return button.hwnd() == nullptr; }));
    EXPECT_FALSE(IsWindow(form.hwnd()));
    EXPECT_EQ(button.Enabled(), BOOL16_TRUE); // the object outlives its window
}

} // namespace
} // namespace kestro

// The window's answers to single messages.

#include <gtest/gtest.h>

#include <cstring>

#include "renderer/shell/render_loop.h"
#include "renderer/shell/renderer_messages.h"
#include "tests/renderer/shell/recording_shell_port.h"

namespace kestro {
namespace {

using testing::RecordingShellPort;
using Calls = std::vector<std::string>;

class RendererMessages : public ::testing::Test {
  protected:
    RendererMessages() {
        window = makeRendererWindow(&rendererClass, &keys, &port);
        window.hwnd = RecordingShellPort::handle(0x101);
        window.drawing = 1;
        window.keepRunning = 1;
    }

    bool send(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) {
        return handleRendererMessage(&window, message, wParam, lParam);
    }

    RecordingShellPort port;
    KeyTable keys{};
    RendererClass rendererClass{nullptr, RENDERER_CLASS_NAME};
    RendererWindow window{};
};

TEST_F(RendererMessages, KeysUpToTwoFiftyFiveAreHeldAndReleasedInTheTable) {
    EXPECT_TRUE(send(MESSAGE_KEY_DOWN, KEY_ESCAPE));
    EXPECT_EQ(keys.keys[KEY_ESCAPE], 1);
    EXPECT_TRUE(send(MESSAGE_KEY_DOWN, 255));
    EXPECT_EQ(keys.keys[255], 1);
    EXPECT_TRUE(send(MESSAGE_KEY_UP, KEY_ESCAPE));
    EXPECT_EQ(keys.keys[KEY_ESCAPE], 0);
    EXPECT_EQ(keys.keys[255], 1);
}

TEST_F(RendererMessages, KeysAboveTwoFiftyFiveChangeNothingAndGoToTheDefaultProcedure) {
    const KeyTable before = keys;
    EXPECT_FALSE(send(MESSAGE_KEY_DOWN, 256));
    EXPECT_FALSE(send(MESSAGE_KEY_UP, 0x1000));
    EXPECT_EQ(0, std::memcmp(&before, &keys, sizeof keys));
}

TEST_F(RendererMessages, SizeMessagesSwitchDrawingAndReshapeTheView) {
    EXPECT_TRUE(send(MESSAGE_SIZE, SIZE_TYPE_MINIMIZED, 0));
    EXPECT_EQ(window.drawing, 0);
    EXPECT_TRUE(send(MESSAGE_SIZE, SIZE_TYPE_RESTORED, (700 << 16) | 1000));
    EXPECT_EQ(window.drawing, 1);
    window.drawing = 0;
    EXPECT_TRUE(send(MESSAGE_SIZE, SIZE_TYPE_MAXIMIZED, (1024 << 16) | 1280));
    EXPECT_EQ(window.drawing, 1);
    // Other size types (here SIZE_MAXSHOW) are left alone.
    EXPECT_FALSE(send(MESSAGE_SIZE, 3, (1 << 16) | 1));
    EXPECT_EQ(port.calls, (Calls{"resizeView 1000x700", "resizeView 1280x1024"}));
}

TEST_F(RendererMessages, CloseRequestsTheQuit) {
    EXPECT_TRUE(send(MESSAGE_CLOSE));
    EXPECT_EQ(port.calls, (Calls{"postQuit"}));
    EXPECT_EQ(window.keepRunning, 0);
}

TEST_F(RendererMessages, ScreenSaverAndMonitorPowerRequestsAreSwallowed) {
    EXPECT_TRUE(send(MESSAGE_SYSTEM_COMMAND, SYSTEM_COMMAND_SCREEN_SAVE));
    EXPECT_TRUE(send(MESSAGE_SYSTEM_COMMAND, SYSTEM_COMMAND_MONITOR_POWER, 2));
    // The system may set the four low bits of the command.
    EXPECT_TRUE(send(MESSAGE_SYSTEM_COMMAND, SYSTEM_COMMAND_MONITOR_POWER | 0x2));
    // Close, minimise and others keep their usual handling.
    EXPECT_FALSE(send(MESSAGE_SYSTEM_COMMAND, 0xF060));
    EXPECT_FALSE(send(MESSAGE_SYSTEM_COMMAND, 0xF020));
    EXPECT_TRUE(port.calls.empty());
}

TEST_F(RendererMessages, ToggleFlipsTheRequestAndEndsOnlyThisWindowsLoop) {
    EXPECT_FALSE(send(TOGGLE_SCREEN_MODE_MSG));
    EXPECT_EQ(window.fullScreenRequest, 0);
    EXPECT_EQ(window.keepRunning, 1);
    EXPECT_FALSE(send(TOGGLE_SCREEN_MODE_MSG));
    EXPECT_EQ(window.fullScreenRequest, 1);
    EXPECT_EQ(port.calls, (Calls{"postQuit", "postQuit"}));
    // The window's own mode is not what is flipped.
    EXPECT_EQ(window.fullScreen, 1);
}

TEST_F(RendererMessages, MessagesBeforeTheWindowIsKnownGoToTheDefaultProcedure) {
    EXPECT_FALSE(handleRendererMessage(nullptr, MESSAGE_CLOSE, 0, 0));
    EXPECT_FALSE(handleRendererMessage(nullptr, MESSAGE_SIZE, SIZE_TYPE_RESTORED, 0));
    EXPECT_EQ(window.keepRunning, 1);
    EXPECT_FALSE(send(0x000F)); // WM_PAINT and the rest: default
}

} // namespace
} // namespace kestro

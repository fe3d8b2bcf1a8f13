// The window's answers to single messages.

#include <gtest/gtest.h>

#include "common/shared_names.h"

#include <cstring>

#include "renderer/shell/renderer_messages.h"
#include "renderer/shell/renderer_shell.h"
#include "tests/renderer/shell/recording_shell_port.h"

namespace kestro {
namespace {

using testing::RecordingShellPort;
using Calls = std::vector<std::string>;

class RendererMessages : public ::testing::Test {
  protected:
    RendererMessages() {
        shell.createGlWindow();
        port.calls.clear();
    }

    bool send(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) {
        return shell.handleMessage(message, wParam, lParam);
    }

    RecordingShellPort port;
    RendererShell shell{port, RendererClass{nullptr, RENDERER_CLASS_NAME}};
    const KeyTable& keys = shell.keys();
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
    EXPECT_FALSE(shell.drawing());
    EXPECT_TRUE(send(MESSAGE_SIZE, SIZE_TYPE_RESTORED, (700 << 16) | 1000));
    EXPECT_TRUE(shell.drawing());
    EXPECT_TRUE(send(MESSAGE_SIZE, SIZE_TYPE_MINIMIZED, 0));
    EXPECT_TRUE(send(MESSAGE_SIZE, SIZE_TYPE_MAXIMIZED, (1024 << 16) | 1280));
    EXPECT_TRUE(shell.drawing());
    // Other size types (here SIZE_MAXSHOW) are left alone.
    EXPECT_FALSE(send(MESSAGE_SIZE, 3, (1 << 16) | 1));
    EXPECT_EQ(port.calls, (Calls{"resizeView 1000x700", "resizeView 1280x1024"}));
}

TEST_F(RendererMessages, CloseRequestsTheQuit) {
    EXPECT_TRUE(send(MESSAGE_CLOSE));
    EXPECT_EQ(port.calls, (Calls{"postQuit"}));
    EXPECT_FALSE(shell.keepRunning());
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
    ASSERT_FALSE(shell.fullScreen()) << "the display refused the mode";
    EXPECT_FALSE(send(TOGGLE_SCREEN_MODE_MSG));
    EXPECT_FALSE(shell.fullScreenRequest());
    EXPECT_TRUE(shell.keepRunning());
    EXPECT_FALSE(send(TOGGLE_SCREEN_MODE_MSG));
    EXPECT_TRUE(shell.fullScreenRequest());
    EXPECT_EQ(port.calls, (Calls{"postQuit", "postQuit"}));
}

TEST_F(RendererMessages, OtherMessagesGoToTheDefaultProcedure) {
    EXPECT_FALSE(send(0x000F)); // WM_PAINT and the rest: default
    EXPECT_FALSE(send(0x0001)); // WM_CREATE: the default answers it
    EXPECT_TRUE(shell.keepRunning());
    EXPECT_TRUE(port.calls.empty());
}

} // namespace
} // namespace kestro

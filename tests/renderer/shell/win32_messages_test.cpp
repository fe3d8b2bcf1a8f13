// The renderer window's answers to single messages, and what each one
// leaves in the Win32 backend's queue for the shell core.

#include <gtest/gtest.h>

#include "common/shared_names.h"

#include "renderer/shell/key_table.h"
#include "renderer/shell/win32_backend.h"
#include "renderer/shell/win32_messages.h"
#include "tests/renderer/shell/recording_win32_port.h"

namespace kestro {
namespace {

using testing::RecordingWin32Port;
using Calls = std::vector<std::string>;

class Win32Messages : public ::testing::Test {
  protected:
    Win32Messages() {
        backend.open(false);
        port.calls.clear();
    }

    bool send(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) {
        return backend.handleMessage(message, wParam, lParam);
    }

    // What the core would take now, described one event a line.
    Calls taken() {
        Calls events;
        BackendEvent event;
        while (backend.takeEvent(event))
            events.push_back(describe(event));
        return events;
    }

    static std::string describe(const BackendEvent& event) {
        switch (event.kind) {
        case BackendEventKind::Key:
            return std::string(event.pressed ? "down " : "up ") + std::to_string(event.key);
        case BackendEventKind::Resized:
            return "resized " + std::to_string(event.width) + "x" + std::to_string(event.height);
        case BackendEventKind::Shown:
            return "shown";
        case BackendEventKind::Hidden:
            return "hidden";
        case BackendEventKind::CloseAsked:
            return "close";
        case BackendEventKind::Lost:
            return "lost";
        case BackendEventKind::ToggleScreenMode:
            return "toggle";
        }
        return "?";
    }

    RecordingWin32Port port;
    Win32Backend backend{port, RendererClass{nullptr, RENDERER_CLASS_NAME}};
};

TEST_F(Win32Messages, KeysUpToTwoFiftyFiveGoToTheCoreAndOthersToTheDefaultProcedure) {
    EXPECT_TRUE(send(MESSAGE_KEY_DOWN, KEY_ESCAPE));
    EXPECT_TRUE(send(MESSAGE_KEY_DOWN, 255));
    EXPECT_TRUE(send(MESSAGE_KEY_UP, KEY_ESCAPE));
    EXPECT_FALSE(send(MESSAGE_KEY_DOWN, 256));
    EXPECT_FALSE(send(MESSAGE_KEY_UP, 0x1000));
    EXPECT_EQ(taken(), (Calls{"down 27", "down 255", "up 27"}));
}

TEST_F(Win32Messages, SizeMessagesHideOrShowAndReshape) {
    EXPECT_TRUE(send(MESSAGE_SIZE, SIZE_TYPE_MINIMIZED, 0));
    EXPECT_TRUE(send(MESSAGE_SIZE, SIZE_TYPE_RESTORED, (700 << 16) | 1000));
    EXPECT_TRUE(send(MESSAGE_SIZE, SIZE_TYPE_MAXIMIZED, (1024 << 16) | 1280));
    // Other size types (here SIZE_MAXSHOW) are left alone.
    EXPECT_FALSE(send(MESSAGE_SIZE, 3, (1 << 16) | 1));
    EXPECT_EQ(taken(), (Calls{"hidden", "shown", "resized 1000x700", "shown", "resized 1280x1024"}));
    EXPECT_TRUE(port.calls.empty()) << "the core reshapes the view, not the message";
}

TEST_F(Win32Messages, CloseAndToggleAreTheCoresToAnswer) {
    EXPECT_TRUE(send(MESSAGE_CLOSE));
    // The toggle is left to the default procedure as well.
    EXPECT_FALSE(send(TOGGLE_SCREEN_MODE_MSG));
    EXPECT_EQ(taken(), (Calls{"close", "toggle"}));
    EXPECT_TRUE(port.calls.empty());
}

TEST_F(Win32Messages, ScreenSaverAndMonitorPowerRequestsAreSwallowed) {
    EXPECT_TRUE(send(MESSAGE_SYSTEM_COMMAND, SYSTEM_COMMAND_SCREEN_SAVE));
    EXPECT_TRUE(send(MESSAGE_SYSTEM_COMMAND, SYSTEM_COMMAND_MONITOR_POWER, 2));
    // The system may set the four low bits of the command.
    EXPECT_TRUE(send(MESSAGE_SYSTEM_COMMAND, SYSTEM_COMMAND_MONITOR_POWER | 0x2));
    // Close, minimise and others keep their usual handling.
    EXPECT_FALSE(send(MESSAGE_SYSTEM_COMMAND, 0xF060));
    EXPECT_FALSE(send(MESSAGE_SYSTEM_COMMAND, 0xF020));
    EXPECT_TRUE(taken().empty());
}

TEST_F(Win32Messages, OtherMessagesGoToTheDefaultProcedure) {
    EXPECT_FALSE(send(0x000F)); // WM_PAINT and the rest: default
    EXPECT_FALSE(send(0x0001)); // WM_CREATE: the default answers it
    EXPECT_TRUE(taken().empty());
    EXPECT_TRUE(port.calls.empty());
}

TEST_F(Win32Messages, WhatANewWindowIsToldOfTheOldOneIsGone) {
    send(MESSAGE_KEY_DOWN, 'A');
    backend.close();
    backend.open(false);
    EXPECT_TRUE(taken().empty());
}

} // namespace
} // namespace kestro

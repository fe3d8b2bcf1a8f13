// The renderer's life on Windows as the shell core runs it through the Win32
// backend, observed through the recording port and its fake clock: start,
// paced steps, the ways to end, and the screen-mode toggle.

#include "renderer/shell/win32_backend.h"

#include <gtest/gtest.h>

#include "common/shared_names.h"

#include <algorithm>

#include "renderer/shell/shell_core.h"
#include "tests/renderer/shell/recording_win32_port.h"
#include "tests/renderer/shell/scripted_scene.h"

namespace kestro {
namespace {

using testing::RecordingWin32Port;
using testing::ScriptedScene;
using Calls = std::vector<std::string>;

constexpr uint64_t STEP_MICROSECONDS = 16667;

class RenderLoop : public ::testing::Test {
  protected:
    RenderLoop() {
        scene.calls = &port.calls;
        scene.requestQuit = [this] { shell.requestQuit(); };
    }

    int run() { return shell.run(scene); }

    // Escape goes down after the given drawn step, as WM_KEYDOWN would put it.
    void pressEscapeAfterDrawn(int drawn) { postAfterDrawn(drawn, MESSAGE_KEY_DOWN, KEY_ESCAPE); }

    void postAfterDrawn(int drawn, uint32_t message, uintptr_t wParam = 0) {
        scene.afterDrawn = [this, drawn, message, wParam](int count) {
            if (count == drawn)
                port.post(message, wParam);
        };
    }

    RecordingWin32Port port;
    ScriptedScene scene;
    Win32Backend backend{port, RendererClass{nullptr, RENDERER_CLASS_NAME}};
    ShellCore shell{backend, true};
};

TEST_F(RenderLoop, RunsPacedStepsUntilEscapeThenGivesEverythingBack) {
    pressEscapeAfterDrawn(2);
    EXPECT_EQ(run(), 0);
    const std::string wait = "waitMessageOrTimeout " + std::to_string(STEP_MICROSECONDS);
    EXPECT_EQ(
        port.calls,
        (Calls{"registerClass OpenGL", "switchDisplayMode 1024x768x32", "createWindow fallback",
               "getDeviceContext", "choosePixelFormat 32", "setPixelFormat 7", "createGlContext",
               "makeCurrent", "showWindow", "resizeView 1024x768", "initScene",
               // the first step is due at once; then the loop sleeps until the next
               "updateTiming 17", "drawFrame", "swapBuffers", wait, "updateTiming 17", "drawFrame",
               "swapBuffers",
               // the key-down is dispatched, then the loop sleeps again
               wait,
               // Escape seen at the start of step 3, which still runs to its end
               "updateTiming 16", "drawFrame", "swapBuffers", "makeCurrent none",
               "deleteGlContext", "releaseDeviceContext", "destroyWindow",
               "unregisterClass OpenGL"}));
    EXPECT_EQ(backend.window(), nullptr);
    EXPECT_EQ(backend.deviceContext(), nullptr);
    EXPECT_EQ(backend.glContext(), nullptr);
    EXPECT_EQ(scene.keys, &shell.keys());
    EXPECT_EQ(port.createdTitle, "Kestrovalinde_VC");
}

TEST_F(RenderLoop, SlowDisplayRunsTheDueStepsAndDrawsOnlyTheLast) {
    port.presentMicroseconds = 3 * STEP_MICROSECONDS; // a 20 Hz display
    pressEscapeAfterDrawn(3);
    run();
    // Every pass after the first finds three steps due; each picture is new.
    EXPECT_EQ(scene.drawnCount, 4);
    EXPECT_EQ(scene.stepCount, 1 + 3 + 3 + 3);
    EXPECT_EQ(scene.elapsed, (std::vector<uint32_t>{17, 17, 16, 17, 17, 16, 17, 17, 16, 17}));
    EXPECT_EQ(port.callsStartingWith("waitMessageOrTimeout").size(), 0u);
    EXPECT_EQ(port.callsStartingWith("swapBuffers").size(), 4u);
}

TEST_F(RenderLoop, FullScreenHidesTheCursorAndRestoresDisplayAndCursorAtTheEnd) {
    port.displayModeSucceeds = true;
    pressEscapeAfterDrawn(1);
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(port.callsStartingWith("createWindow"), (Calls{"createWindow popup"}));
    EXPECT_EQ(port.callsStartingWith("showCursor"), (Calls{"showCursor false", "showCursor true"}));
    EXPECT_EQ(port.callsStartingWith("restoreDisplayMode").size(), 1u);
    EXPECT_TRUE(backend.fullScreen());
}

TEST_F(RenderLoop, RefusedFullScreenNeitherRestoresTheDisplayNorTouchesTheCursor) {
    pressEscapeAfterDrawn(1);
    run();
    EXPECT_FALSE(backend.fullScreen());
    EXPECT_TRUE(port.callsStartingWith("showCursor").empty());
    EXPECT_TRUE(port.callsStartingWith("restoreDisplayMode").empty());
}

TEST_F(RenderLoop, CloseMessageEndsTheProgramWithinOneStep) {
    postAfterDrawn(1, MESSAGE_CLOSE);
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(scene.stepCount, 1);
    EXPECT_EQ(port.windowsCreated, 1);
}

TEST_F(RenderLoop, QuitMessageFromOutsideEndsTheProgram) {
    scene.afterDrawn = [this](int drawn) {
        if (drawn == 1)
            port.postQuitMessage();
    };
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(scene.stepCount, 1);
    EXPECT_EQ(port.windowsCreated, 1);
    EXPECT_EQ(port.calls.back(), "unregisterClass OpenGL");
}

TEST_F(RenderLoop, MinimisedWindowRunsNoStepsAndItsFirstPassAfterwardsIsBounded) {
    int waits = 0;
    port.onWait = [&] {
        // Long minutes pass while minimised, then the window is restored.
        port.now += 300 * MICROSECONDS_PER_SECOND;
        if (++waits == 2)
            port.post(MESSAGE_SIZE, SIZE_TYPE_RESTORED, (600 << 16) | 800);
    };
    scene.afterDrawn = [&](int drawn) {
        if (drawn == 1)
            port.post(MESSAGE_SIZE, SIZE_TYPE_MINIMIZED);
        if (drawn == 2)
            port.post(MESSAGE_CLOSE);
    };
    run();
    EXPECT_EQ(waits, 2);
    EXPECT_EQ(port.callsStartingWith("resizeView"),
              (Calls{"resizeView 1024x768", "resizeView 800x600"}));
    EXPECT_EQ(scene.stepCount, 1 + static_cast<int>(MAX_CATCH_UP_STEPS));
    EXPECT_EQ(scene.drawnCount, 2);
}

TEST_F(RenderLoop, FailedSceneSetUpEndsWithoutAStep) {
    scene.initSucceeds = false;
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(scene.stepCount, 0);
    EXPECT_EQ(port.callsStartingWith("destroyWindow").size(), 1u);
    EXPECT_EQ(port.windowsCreated, 1);
}

TEST_F(RenderLoop, UnregistrableClassEndsAtOnceWithMinusOne) {
    port.registerSucceeds = false;
    EXPECT_EQ(run(), -1);
    EXPECT_EQ(port.calls, (Calls{"registerClass OpenGL"}));
}

TEST_F(RenderLoop, FailedWindowCreationEndsTheProgramAfterUnregistering) {
    port.failingCall = "createGlContext";
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(scene.initCount, 0);
    EXPECT_EQ(port.calls.back(), "unregisterClass OpenGL");
}

TEST_F(RenderLoop, ToggleRecreatesTheWindowInTheOtherModeAndSetsTheSceneUpAgain) {
    port.displayModeSucceeds = true;
    scene.afterDrawn = [this](int drawn) {
        if (drawn == 1 || drawn == 2)
            port.post(TOGGLE_SCREEN_MODE_MSG);
        if (drawn == 3)
            port.post(MESSAGE_CLOSE);
    };
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(port.callsStartingWith("createWindow"),
              (Calls{"createWindow popup", "createWindow adjusted", "createWindow popup"}));
    // Each full-screen window hides the cursor and gives display and cursor
    // back when it goes; the framed one touches neither.
    EXPECT_EQ(port.callsStartingWith("showCursor"), (Calls{"showCursor false", "showCursor true",
                                                           "showCursor false", "showCursor true"}));
    EXPECT_EQ(port.callsStartingWith("restoreDisplayMode").size(), 2u);
    EXPECT_EQ(scene.initCount, 3);
    // The toggle itself is left to the default procedure as well.
    EXPECT_EQ(port.callsStartingWith("defaultProcedure 1025").size(), 2u);
}

TEST_F(RenderLoop, NewWindowTakesUpTheStepClockWithOneStep) {
    // Making a window takes a while; that time is not made up for.
    port.windowCreationMicroseconds = 400000;
    scene.afterDrawn = [this](int drawn) {
        if (drawn == 2)
            port.post(TOGGLE_SCREEN_MODE_MSG);
        if (drawn == 4)
            port.post(MESSAGE_CLOSE);
    };
    run();
    const auto secondInit = std::find(port.calls.begin() + 12, port.calls.end(), "initScene");
    ASSERT_NE(secondInit, port.calls.end());
    EXPECT_EQ(Calls(secondInit + 1, secondInit + 4),
              (Calls{"updateTiming 16", "drawFrame", "swapBuffers"}))
        << "one step first, and the elapsed pattern goes on";
    EXPECT_EQ(scene.stepCount, 4);
}

TEST_F(RenderLoop, ToggleAfterARefusedModeChangeAsksForAWindowFirst) {
    scene.afterDrawn = [this](int drawn) {
        if (drawn == 1)
            port.post(TOGGLE_SCREEN_MODE_MSG);
        if (drawn == 2)
            port.post(MESSAGE_CLOSE);
    };
    run();
    // The refused request still counts as full screen, so the toggle asks
    // for the framed window with a 1024 x 768 client area.
    EXPECT_EQ(port.callsStartingWith("createWindow"),
              (Calls{"createWindow fallback", "createWindow adjusted"}));
    EXPECT_FALSE(shell.fullScreenRequest());
}

TEST_F(RenderLoop, KeyTableIsClearedForEachNewWindow) {
    scene.afterDrawn = [this](int drawn) {
        if (drawn == 1) {
            port.post(MESSAGE_KEY_DOWN, 'A');
            port.post(TOGGLE_SCREEN_MODE_MSG);
        }
        if (drawn == 2) {
            EXPECT_EQ(scene.keys->keys['A'], 0);
            port.post(MESSAGE_CLOSE);
        }
    };
    run();
    EXPECT_EQ(scene.drawnCount, 2);
}

} // namespace
} // namespace kestro

// The renderer's life as the shell runs it, observed through the recording
// port: start, frames, the ways to end, and the screen-mode toggle.

#include <gtest/gtest.h>

#include "renderer/shell/render_loop.h"
#include "tests/renderer/shell/recording_shell_port.h"
#include "tests/renderer/shell/scripted_scene.h"

namespace kestro {
namespace {

using testing_shell::RecordingShellPort;
using testing_shell::ScriptedScene;
using Calls = std::vector<std::string>;

class RenderLoop : public ::testing::Test {
  protected:
    RenderLoop() {
        scene.port = &port;
        window = makeRendererWindow(&rendererClass, &keys, &port);
        keepRunning = 0;
        fullScreenRequest = 1;
    }

    int run() { return runRenderer(rendererClass, window, scene.hooks()); }

    // Escape goes down after the given frame, as WM_KEYDOWN would put it.
    void pressEscapeAfterFrame(int frame) {
        scene.afterFrame = [this, frame](int drawn) {
            if (drawn == frame)
                port.post(MESSAGE_KEY_DOWN, KEY_ESCAPE);
        };
    }

    RecordingShellPort port;
    ScriptedScene scene;
    KeyTable keys{};
    RendererClass rendererClass{nullptr, RENDERER_CLASS_NAME};
    RendererWindow window{};
};

TEST_F(RenderLoop, RunsFramesUntilEscapeThenGivesEverythingBack) {
    pressEscapeAfterFrame(2);
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(port.calls, (Calls{"registerClass OpenGL", "switchDisplayMode 1024x768x32",
                                 "createWindow fallback", "getDeviceContext",
                                 "choosePixelFormat 32", "setPixelFormat 7", "createGlContext",
                                 "makeCurrent", "showWindow", "resizeView 1024x768", "initScene",
                                 // frame 1, frame 2, then the key-down is dispatched before frame 3
                                 "updateTiming 16", "drawFrame", "swapBuffers", "updateTiming 16",
                                 "drawFrame", "swapBuffers",
                                 // Escape seen at the start of frame 3, which still runs to its end
                                 "updateTiming 16", "postQuit", "drawFrame", "swapBuffers",
                                 "makeCurrent none", "deleteGlContext", "releaseDeviceContext",
                                 "destroyWindow", "unregisterClass OpenGL"}));
    EXPECT_EQ(keepRunning, 0);
    EXPECT_EQ(window.hwnd, nullptr);
    EXPECT_EQ(window.hdc, nullptr);
    EXPECT_EQ(window.glContext, nullptr);
    // The scene got the window record and its key table.
    EXPECT_EQ(scene.window, &window);
    EXPECT_EQ(scene.keys, &keys);
}

TEST_F(RenderLoop, FullScreenHidesTheCursorAndRestoresDisplayAndCursorAtTheEnd) {
    port.displayModeSucceeds = true;
    pressEscapeAfterFrame(1);
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(port.callsStartingWith("createWindow"), (Calls{"createWindow popup"}));
    EXPECT_EQ(port.callsStartingWith("showCursor"), (Calls{"showCursor false", "showCursor true"}));
    EXPECT_EQ(port.callsStartingWith("restoreDisplayMode").size(), 1u);
    EXPECT_EQ(window.fullScreen, 1);
}

TEST_F(RenderLoop, RefusedFullScreenNeitherRestoresTheDisplayNorTouchesTheCursor) {
    pressEscapeAfterFrame(1);
    run();
    EXPECT_EQ(window.fullScreen, 0);
    EXPECT_TRUE(port.callsStartingWith("showCursor").empty());
    EXPECT_TRUE(port.callsStartingWith("restoreDisplayMode").empty());
}

TEST_F(RenderLoop, CloseMessageEndsTheProgram) {
    scene.afterFrame = [this](int drawn) {
        if (drawn == 1)
            port.post(MESSAGE_CLOSE);
    };
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(scene.frameCount, 1);
    EXPECT_EQ(port.windowsCreated, 1);
    EXPECT_EQ(keepRunning, 0);
}

TEST_F(RenderLoop, ElapsedTimeIsTheUnsignedDifferenceAcrossTheTickWrap) {
    port.nextTick = 0xFFFFFFF0u;
    port.tickStep = 0x20;
    pressEscapeAfterFrame(2);
    run();
    EXPECT_EQ(scene.elapsed, (std::vector<uint32_t>{0x20, 0x20, 0x20}));
}

TEST_F(RenderLoop, MinimisedWindowWaitsAndItsFirstFrameAfterwardsCoversTheWholePause) {
    scene.afterFrame = [this](int drawn) {
        if (drawn == 1)
            port.post(MESSAGE_SIZE, SIZE_TYPE_MINIMIZED);
        if (drawn == 2)
            port.post(MESSAGE_CLOSE);
    };
    int waits = 0;
    port.onWait = [&] {
        // Time passes while minimised, then the window is restored.
        port.nextTick += 5000;
        if (++waits == 2)
            port.post(MESSAGE_SIZE, SIZE_TYPE_RESTORED, (600 << 16) | 800);
    };
    run();
    EXPECT_EQ(waits, 2);
    EXPECT_EQ(port.callsStartingWith("resizeView"),
              (Calls{"resizeView 1024x768", "resizeView 800x600"}));
    ASSERT_EQ(scene.elapsed.size(), 2u);
    EXPECT_EQ(scene.elapsed[1], 16u + 10000u);
}

TEST_F(RenderLoop, FailedSceneSetUpEndsWithoutAFrame) {
    scene.initSucceeds = false;
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(scene.frameCount, 0);
    EXPECT_EQ(port.callsStartingWith("postQuit").size(), 1u);
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
    EXPECT_EQ(keepRunning, 0);
    EXPECT_EQ(scene.initCount, 0);
    EXPECT_EQ(port.calls.back(), "unregisterClass OpenGL");
}

TEST_F(RenderLoop, ToggleRecreatesTheWindowInTheOtherModeAndSetsTheSceneUpAgain) {
    port.displayModeSucceeds = true;
    scene.afterFrame = [this](int drawn) {
        if (drawn == 1)
            port.post(TOGGLE_SCREEN_MODE_MSG);
        if (drawn == 2)
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

TEST_F(RenderLoop, ToggleAfterARefusedModeChangeAsksForAWindowFirst) {
    scene.afterFrame = [this](int drawn) {
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
    EXPECT_EQ(fullScreenRequest, 0);
}

TEST_F(RenderLoop, KeyTableIsClearedForEachNewWindow) {
    scene.afterFrame = [this](int drawn) {
        if (drawn == 1) {
            port.post(MESSAGE_KEY_DOWN, 'A');
            port.post(TOGGLE_SCREEN_MODE_MSG);
        }
        if (drawn == 2) {
            EXPECT_EQ(keys.keys['A'], 0);
            port.post(MESSAGE_CLOSE);
        }
    };
    keys.keys[200] = 1; // left over from before the first window
    run();
    EXPECT_EQ(keys.keys[200], 0);
    EXPECT_EQ(scene.frameCount, 2);
}

} // namespace
} // namespace kestro

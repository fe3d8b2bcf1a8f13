// Making the window: the order of the system calls, and that a failure at
// any step gives back everything made so far.

#include <gtest/gtest.h>

#include "common/shared_names.h"

#include <algorithm>

#include "renderer/shell/renderer_shell.h"
#include "tests/renderer/shell/recording_shell_port.h"

namespace kestro {
namespace {

using testing::RecordingShellPort;
using Calls = std::vector<std::string>;

const RendererClass TEST_CLASS{nullptr, RENDERER_CLASS_NAME};

TEST(GlWindow, CreatedWindowIsShownDrawingWithTheViewSetAndBoundToItsShell) {
    RecordingShellPort port;
    RendererShell shell(port, TEST_CLASS, false);
    EXPECT_FALSE(shell.drawing());
    ASSERT_TRUE(shell.createGlWindow());
    EXPECT_EQ(port.calls, (Calls{"createWindow adjusted", "getDeviceContext",
                                 "choosePixelFormat 32", "setPixelFormat 7", "createGlContext",
                                 "makeCurrent", "showWindow", "resizeView 1024x768"}));
    EXPECT_NE(shell.window(), nullptr);
    EXPECT_NE(shell.deviceContext(), nullptr);
    EXPECT_NE(shell.glContext(), nullptr);
    EXPECT_TRUE(shell.drawing());
    // The window procedure reaches the shell through the creation parameter.
    EXPECT_EQ(port.createdFor, &shell);
    EXPECT_EQ(port.createdTitle, "Kestrovalinde_VC");
}

struct FailingStep {
    const char* call;
    Calls undo; // what follows the failing call
};

TEST(GlWindow, FailureAtEachStepUndoesInReverseOrderAndGivesBackTheDisplay) {
    const FailingStep steps[] = {
        {"createWindow", {}},
        {"getDeviceContext", {"destroyWindow"}},
        {"choosePixelFormat", {"releaseDeviceContext", "destroyWindow"}},
        {"setPixelFormat", {"releaseDeviceContext", "destroyWindow"}},
        {"createGlContext", {"releaseDeviceContext", "destroyWindow"}},
        {"makeCurrent", {"deleteGlContext", "releaseDeviceContext", "destroyWindow"}},
    };
    for (const auto& step : steps) {
        for (bool modeChanged : {false, true}) {
            SCOPED_TRACE(std::string(step.call) + (modeChanged ? " full screen" : " refused"));
            RecordingShellPort failing;
            failing.failingCall = step.call;
            failing.displayModeSucceeds = modeChanged;
            RendererShell attempt(failing, TEST_CLASS);
            EXPECT_FALSE(attempt.createGlWindow());
            EXPECT_EQ(attempt.window(), nullptr);
            EXPECT_EQ(attempt.deviceContext(), nullptr);
            EXPECT_EQ(attempt.glContext(), nullptr);

            Calls expected = step.undo;
            if (modeChanged) {
                expected.push_back("restoreDisplayMode");
                expected.push_back("showCursor true");
            }
            const auto failedAt = std::find_if(
                failing.calls.begin(), failing.calls.end(),
                [&](const std::string& call) { return call.rfind(step.call, 0) == 0; });
            ASSERT_NE(failedAt, failing.calls.end());
            EXPECT_EQ(Calls(failedAt + 1, failing.calls.end()), expected);
        }
    }
}

TEST(GlWindow, DestroyOnAWindowThatIsGoneOnlyGivesBackTheDisplay) {
    RecordingShellPort port;
    RendererShell fullScreen(port, TEST_CLASS, true);
    fullScreen.destroyGlWindow();
    EXPECT_EQ(port.calls, (Calls{"restoreDisplayMode", "showCursor true"}));
    port.calls.clear();
    RendererShell framed(port, TEST_CLASS, false);
    framed.destroyGlWindow();
    EXPECT_TRUE(port.calls.empty());
}

} // namespace
} // namespace kestro

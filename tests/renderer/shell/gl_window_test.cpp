// Making the window: the order of the system calls, and that a failure at
// any step gives back everything made so far.

#include <gtest/gtest.h>

#include "common/shared_names.h"

#include <algorithm>

#include "renderer/shell/win32_backend.h"
#include "tests/renderer/shell/recording_win32_port.h"

namespace kestro {
namespace {

using testing::RecordingWin32Port;
using Calls = std::vector<std::string>;

const RendererClass TEST_CLASS{nullptr, RENDERER_CLASS_NAME};

TEST(GlWindow, CreatedWindowIsShownWithItsContextAndBoundToItsBackend) {
    RecordingWin32Port port;
    Win32Backend backend(port, TEST_CLASS);
    const OpenedPlace opened = backend.open(false);
    ASSERT_TRUE(opened.ready);
    EXPECT_EQ(opened.width, 1024);
    EXPECT_EQ(opened.height, 768);
    EXPECT_EQ(port.calls, (Calls{"createWindow adjusted", "getDeviceContext",
                                 "choosePixelFormat 32", "setPixelFormat 7", "createGlContext",
                                 "makeCurrent", "showWindow"}));
    EXPECT_NE(backend.window(), nullptr);
    EXPECT_NE(backend.deviceContext(), nullptr);
    EXPECT_NE(backend.glContext(), nullptr);
    // The window procedure reaches the backend through the creation parameter.
    EXPECT_EQ(port.createdFor, &backend);
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
            RecordingWin32Port failing;
            failing.failingCall = step.call;
            failing.displayModeSucceeds = modeChanged;
            Win32Backend attempt(failing, TEST_CLASS);
            const OpenedPlace opened = attempt.open(true);
            EXPECT_FALSE(opened.ready);
            EXPECT_EQ(opened.exitStatus, 0) << "a window that cannot be made ends the run quietly";
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

TEST(GlWindow, ClosingAWindowThatIsGoneOnlyGivesBackTheDisplay) {
    RecordingWin32Port port;
    port.displayModeSucceeds = true;
    port.failingCall = "createWindow";
    Win32Backend fullScreen(port, TEST_CLASS);
    fullScreen.open(true);
    port.calls.clear();
    fullScreen.close();
    EXPECT_EQ(port.calls, (Calls{"restoreDisplayMode", "showCursor true"}));
    port.calls.clear();
    Win32Backend framed(port, TEST_CLASS);
    framed.open(false);
    port.calls.clear();
    framed.close();
    EXPECT_TRUE(port.calls.empty());
}

} // namespace
} // namespace kestro

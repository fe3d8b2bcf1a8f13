// Making the window: the order of the system calls, and that a failure at
// any step gives back everything made so far.

#include <gtest/gtest.h>

#include <algorithm>

#include "renderer/shell/render_loop.h"
#include "renderer/shell/renderer_window.h"
#include "tests/renderer/shell/recording_shell_port.h"

namespace kestro {
namespace {

using testing::RecordingShellPort;
using Calls = std::vector<std::string>;

class GlWindow : public ::testing::Test {
  protected:
    GlWindow() { window = makeRendererWindow(&rendererClass, &keys, &port); }

    RecordingShellPort port;
    KeyTable keys{};
    RendererClass rendererClass{nullptr, RENDERER_CLASS_NAME};
    RendererWindow window{};
};

TEST_F(GlWindow, WindowRecordStartsWithTheRendererConstants) {
    EXPECT_STREQ(window.title, "Kestrovalinde_VC");
    EXPECT_STREQ(window.classInfo->className, "OpenGL");
    EXPECT_EQ(window.width, 1024);
    EXPECT_EQ(window.height, 768);
    EXPECT_EQ(window.colourBits, 32);
    EXPECT_EQ(window.fullScreen, 1);
    EXPECT_EQ(window.hwnd, nullptr);
    EXPECT_EQ(window.keyTable, &keys);
}

TEST_F(GlWindow, CreatedWindowIsShownDrawingWithTheViewSet) {
    window.fullScreen = 0;
    window.drawing = 0;
    ASSERT_TRUE(createGlWindow(&window));
    EXPECT_EQ(port.calls, (Calls{"createWindow adjusted", "getDeviceContext",
                                 "choosePixelFormat 32", "setPixelFormat 7", "createGlContext",
                                 "makeCurrent", "showWindow", "resizeView 1024x768"}));
    EXPECT_NE(window.hwnd, nullptr);
    EXPECT_NE(window.hdc, nullptr);
    EXPECT_NE(window.glContext, nullptr);
    EXPECT_EQ(window.drawing, 1);
    // The window procedure reaches this record through the creation parameter.
    EXPECT_EQ(port.createdFor, &window);
}

struct FailingStep {
    const char* call;
    Calls undo; // what follows the failing call
};

TEST_F(GlWindow, FailureAtEachStepUndoesInReverseOrderAndGivesBackTheDisplay) {
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
            KeyTable table{};
            RendererWindow attempt = makeRendererWindow(&rendererClass, &table, &failing);
            EXPECT_FALSE(createGlWindow(&attempt));
            EXPECT_EQ(attempt.hwnd, nullptr);
            EXPECT_EQ(attempt.hdc, nullptr);
            EXPECT_EQ(attempt.glContext, nullptr);

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

TEST_F(GlWindow, DestroyOnAWindowThatIsGoneOnlyGivesBackTheDisplay) {
    window.fullScreen = 1;
    EXPECT_TRUE(destroyGlWindow(&window));
    EXPECT_EQ(port.calls, (Calls{"restoreDisplayMode", "showCursor true"}));
    port.calls.clear();
    window.fullScreen = 0;
    EXPECT_TRUE(destroyGlWindow(&window));
    EXPECT_TRUE(port.calls.empty());
}

} // namespace
} // namespace kestro

// The monitors the renderer blacks out: which ones, and that the covers come
// with each window, go with it, and stay away on a single monitor.

#include "renderer/shell/monitor_cover.h"

#include <gtest/gtest.h>

#include "common/shared_names.h"

#include "renderer/shell/shell_core.h"
#include "renderer/shell/win32_backend.h"
#include "renderer/shell/win32_messages.h"
#include "tests/renderer/shell/recording_win32_port.h"
#include "tests/renderer/shell/scripted_scene.h"

namespace kestro {
namespace {

using testing::RecordingWin32Port;
using testing::ScriptedScene;
using Calls = std::vector<std::string>;
using Rects = std::vector<ScreenRect>;

// Three monitors side by side, the primary in the middle, the left one
// above the primary's top (negative coordinates, as Windows places them).
const ScreenRect LEFT{-1280, -200, 0, 824};
const ScreenRect PRIMARY{0, 0, 1024, 768};
const ScreenRect RIGHT{1024, 0, 1824, 600};

TEST(CoverRectangles, EveryOtherMonitorInTheListedOrder) {
    EXPECT_EQ(coverRectangles({LEFT, PRIMARY, RIGHT}, PRIMARY), (Rects{LEFT, RIGHT}));
    EXPECT_EQ(coverRectangles({PRIMARY, RIGHT, LEFT}, RIGHT), (Rects{PRIMARY, LEFT}));
    // Heads that overlap the renderer's (a mirrored or stacked layout) are
    // covered all the same; the renderer's window is shown above them.
    EXPECT_EQ(coverRectangles({PRIMARY, {0, 0, 800, 600}}, PRIMARY), (Rects{{0, 0, 800, 600}}));
}

TEST(CoverRectangles, NothingForOneMonitorOrAListThatLacksTheRenderers) {
    EXPECT_TRUE(coverRectangles({PRIMARY}, PRIMARY).empty());
    EXPECT_TRUE(coverRectangles({}, PRIMARY).empty());
    EXPECT_TRUE(coverRectangles({LEFT, RIGHT}, PRIMARY).empty());
    EXPECT_TRUE(coverRectangles({LEFT, PRIMARY}, {0, 0, 0, 0}).empty());
}

TEST(CoverRectangles, ListedTwiceOrEmptyIsNotCoveredTwice) {
    EXPECT_EQ(coverRectangles({PRIMARY, RIGHT, RIGHT, PRIMARY}, PRIMARY), (Rects{RIGHT}));
    EXPECT_EQ(coverRectangles({PRIMARY, {5, 5, 5, 900}, RIGHT}, PRIMARY), (Rects{RIGHT}));
}

class MonitorCovers : public ::testing::Test {
  protected:
    MonitorCovers() { port.monitors = {LEFT, PRIMARY, RIGHT}; }

    RecordingWin32Port port;
    Win32Backend backend{port, RendererClass{nullptr, RENDERER_CLASS_NAME}};
};

TEST_F(MonitorCovers, MadeBeforeTheWindowIsShownAndGoneWithIt) {
    port.displayModeSucceeds = true;
    ASSERT_TRUE(backend.open(true).ready);
    const Calls made(port.calls.end() - 3, port.calls.end());
    EXPECT_EQ(made, (Calls{"cover -1280,-200-0,824 topmost", "cover 1024,0-1824,600 topmost",
                           "showWindow"}));
    EXPECT_EQ(backend.coverCount(), 2u);

    port.calls.clear();
    backend.close();
    EXPECT_EQ(port.calls,
              (Calls{"makeCurrent none", "deleteGlContext", "releaseDeviceContext", "destroyWindow",
                     "uncover 1", "uncover 2", "restoreDisplayMode", "showCursor true"}));
    EXPECT_EQ(backend.coverCount(), 0u);
}

TEST_F(MonitorCovers, ARefusedCoverIsLeftOutAndTheWindowStillShows) {
    port.refusedCovers = {LEFT};
    ASSERT_TRUE(backend.open(false).ready);
    EXPECT_EQ(backend.coverCount(), 1u);
    backend.close();
    EXPECT_EQ(port.callsStartingWith("uncover"), (Calls{"uncover 1"}));
}

TEST_F(MonitorCovers, AFailedWindowMakesNoCovers) {
    port.failingCall = "makeCurrent";
    EXPECT_FALSE(backend.open(false).ready);
    EXPECT_TRUE(port.callsStartingWith("cover").empty());
}

TEST_F(MonitorCovers, FollowEveryWindowOfAToggleAndAreGoneAtTheEnd) {
    port.displayModeSucceeds = true;
    ShellCore shell(backend, true);
    ScriptedScene scene;
    scene.calls = &port.calls;
    scene.requestQuit = [&shell] { shell.requestQuit(); };
    // The second window lands on the right-hand monitor.
    scene.afterDrawn = [this](int drawn) {
        if (drawn == 1 || drawn == 2) {
            port.rendererMonitor = drawn == 1 ? RIGHT : PRIMARY;
            port.post(TOGGLE_SCREEN_MODE_MSG);
        }
        if (drawn == 3)
            port.post(MESSAGE_CLOSE);
    };
    shell.run(scene);
    EXPECT_EQ(port.callsStartingWith("cover"),
              (Calls{"cover -1280,-200-0,824 topmost", "cover 1024,0-1824,600 topmost",
                     // beside the framed window, at its level
                     "cover -1280,-200-0,824", "cover 0,0-1024,768",
                     "cover -1280,-200-0,824 topmost", "cover 1024,0-1824,600 topmost"}));
    EXPECT_EQ(port.callsStartingWith("uncover").size(), 6u);
    EXPECT_EQ(backend.coverCount(), 0u);
}

} // namespace
} // namespace kestro

// The X11 backend's decisions as the shell core runs it, observed through a
// recording port and a fake clock: where it draws, what each failure says,
// how each way to end ends, and what the window's events do.

#include "renderer/shell/x11_backend.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "renderer/shell/shell_core.h"
#include "tests/renderer/shell/recording_x11_port.h"
#include "tests/renderer/shell/scripted_scene.h"

namespace kestro {
namespace {

using Calls = std::vector<std::string>;
using testing::RecordingX11Port;

using testing::KEYSYM_ESCAPE;
constexpr unsigned long GIVEN_WINDOW = 0x2a00005;

DrawTarget targetOf(DrawPlace place, unsigned long windowId = 0, bool fullScreen = false) {
    DrawTarget target;
    target.place = place;
    target.windowId = windowId;
    target.fullScreen = fullScreen;
    return target;
}
DrawTarget ownWindow(bool fullScreen = false) {
    return targetOf(DrawPlace::OwnWindow, 0, fullScreen);
}
DrawTarget namedDisplay(const char* displayName) {
    DrawTarget target = targetOf(DrawPlace::OwnWindow);
    target.displayName = displayName;
    return target;
}
DrawTarget givenWindow() {
    return targetOf(DrawPlace::GivenWindow, GIVEN_WINDOW);
}
DrawTarget rootWindow() {
    return targetOf(DrawPlace::RootWindow);
}

// The shell as the module makes it, over the test's port.
struct X11Shell {
    X11Shell(X11Port& port, const DrawTarget& target, const char* programName)
        : backend(port, target, programName), core(backend, target.fullScreen) {}
    int run(ShellEvents& events) { return core.run(events); }
    void requestQuit() { core.requestQuit(); }
    bool drawing() const { return core.drawing(); }

    X11Backend backend;
    ShellCore core;
};

class X11ShellRun : public ::testing::Test {
  protected:
    int run(const DrawTarget& target) {
        X11Shell shell(port, target, "kestrovalinde");
        scene.requestQuit = [&shell] { shell.requestQuit(); };
        const int status = shell.run(scene);
        drawingAtEnd = shell.drawing();
        return status;
    }
    // Sends the event after the given drawn step.
    void pushAfterDrawn(int drawn, X11EventKind kind, unsigned long keysym = 0, int32_t width = 0,
                        int32_t height = 0) {
        scene.afterDrawn = [=](int count) {
            if (count == drawn)
                port.push(kind, keysym, width, height);
        };
    }

    RecordingX11Port port;
    testing::ScriptedScene scene;
    bool drawingAtEnd = false;
};

TEST_F(X11ShellRun, EachFailureIsOneLineAndStatusOneWithTheDisplayGivenBack) {
    struct Failure {
        const char* what;
        DrawTarget target;
        std::function<void(RecordingX11Port&)> arrange;
        const char* line;
    };
    const Failure failures[] = {
        {"no display", ownWindow(), [](RecordingX11Port& p) { p.displayOpens = false; },
         "kestrovalinde: cannot open display"},
        {"no display of that name", namedDisplay(":77"),
         [](RecordingX11Port& p) { p.displayOpens = false; },
         "kestrovalinde: cannot open display :77"},
        {"missing window", givenWindow(),
         [](RecordingX11Port& p) { p.window.status = X11WindowStatus::NoSuchWindow; },
         "kestrovalinde: no window 0x2a00005 on the display"},
        {"given window without GL", givenWindow(),
         [](RecordingX11Port& p) { p.window.status = X11WindowStatus::NoGlVisual; },
         "kestrovalinde: window 0x2a00005 has no OpenGL visual"},
        {"root without GL", rootWindow(),
         [](RecordingX11Port& p) { p.window.status = X11WindowStatus::NoGlVisual; },
         "kestrovalinde: the root window has no OpenGL visual"},
        {"display without GL", ownWindow(),
         [](RecordingX11Port& p) { p.window.status = X11WindowStatus::NoGlVisual; },
         "kestrovalinde: the display has no OpenGL visual"},
        {"no context", rootWindow(), [](RecordingX11Port& p) { p.contextMade = false; },
         "kestrovalinde: cannot make an OpenGL context"},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.what);
        RecordingX11Port failing;
        failure.arrange(failing);
        testing::ScriptedScene untouched;
        X11Shell shell(failing, failure.target, "kestrovalinde");
        EXPECT_EQ(shell.run(untouched), 1);
        EXPECT_EQ(failing.failures, (Calls{failure.line}));
        EXPECT_EQ(untouched.initCount, 0);
        EXPECT_TRUE(failing.callsStartingWith("showWindow").empty());
        // The connection, when there was one, is given back.
        EXPECT_EQ(failing.callsStartingWith("closeDisplay").size(), failing.displayOpens ? 1u : 0u);
    }
}

TEST_F(X11ShellRun, TheUsersDisplayAndGeometryReachTheOwnWindow) {
    DrawTarget placed = namedDisplay(":5");
    placed.geometry = {320, 200, 40, -10, true};
    DrawTarget sizedOnly = targetOf(DrawPlace::OwnWindow);
    sizedOnly.geometry = {640, 480, 0, 0, false};
    const struct {
        DrawTarget target;
        Calls opened;
    } cases[] = {
        {placed, {"openDisplay :5", "createOwnWindow 320x200 at 40,-10"}},
        {sizedOnly, {"openDisplay", "createOwnWindow 640x480"}},
        {ownWindow(), {"openDisplay", "createOwnWindow 1024x768"}},
    };
    for (const auto& one : cases) {
        RecordingX11Port opening;
        opening.window = {X11WindowStatus::Ready, 1, 1};
        opening.displayOpens = true;
        opening.contextMade = false; // ends the run right after the window
        X11Shell shell(opening, one.target, "kestrovalinde");
        EXPECT_EQ(shell.run(scene), 1);
        ASSERT_GE(opening.calls.size(), 2u);
        EXPECT_EQ(Calls(opening.calls.begin(), opening.calls.begin() + 2), one.opened);
    }
}

TEST_F(X11ShellRun, OwnWindowIsShownAtItsSizeAndEscapeEndsItThroughTheScene) {
    port.window = {X11WindowStatus::Ready, 1024, 768};
    pushAfterDrawn(2, X11EventKind::KeyDown, KEYSYM_ESCAPE);
    EXPECT_EQ(run(ownWindow(true)), 0);
    EXPECT_EQ(port.calls,
              (Calls{"openDisplay", "createOwnWindow 1024x768 full screen", "createGlContext",
                     "showWindow", "resizeView 1024x768",
                     // the first step is due at once; then the loop waits on the connection
                     "swapBuffers", "waitForEvent 16667", "swapBuffers",
                     // the key is taken, then the loop sleeps until the next step
                     "waitForEvent 16667", "swapBuffers", "closeWindow", "closeDisplay"}));
    EXPECT_EQ(scene.drawnCount, 3) << "the step that saw Escape still ran";
    EXPECT_TRUE(port.failures.empty());
}

TEST_F(X11ShellRun, CloseSignalsAndALostWindowEachEndTheRunWithStatusZero) {
    const std::pair<const char*, std::function<void(RecordingX11Port&)>> ends[] = {
        {"window manager's close",
         [](RecordingX11Port& p) { p.push(X11EventKind::CloseRequested); }},
        {"window destroyed", [](RecordingX11Port& p) { p.push(X11EventKind::Destroyed); }},
        {"X error about the window", [](RecordingX11Port& p) { p.lost = true; }},
        {"SIGTERM", [](RecordingX11Port& p) { p.signalled = true; }},
    };
    for (const auto& [what, end] : ends) {
        SCOPED_TRACE(what);
        RecordingX11Port ending;
        testing::ScriptedScene owner;
        X11Shell shell(ending, givenWindow(), "kestrovalinde");
        owner.requestQuit = [&shell] { shell.requestQuit(); };
        owner.afterDrawn = [&](int drawn) {
            if (drawn == 2)
                end(ending);
        };
        EXPECT_EQ(shell.run(owner), 0);
        EXPECT_EQ(owner.drawnCount, 2);
        EXPECT_EQ(ending.calls.back(), "closeDisplay");
        EXPECT_TRUE(ending.failures.empty());
    }
}

TEST_F(X11ShellRun, ASignalEndsTheRunEvenWhenStepsAreAlwaysDue) {
    // A display so slow that the loop never waits: the signal is still
    // looked for before every pass.
    port.presentMicroseconds = 100000;
    scene.afterDrawn = [this](int drawn) {
        if (drawn == 5)
            port.signalled = true;
    };
    EXPECT_EQ(run(rootWindow()), 0);
    EXPECT_EQ(scene.drawnCount, 5);
    EXPECT_TRUE(port.callsStartingWith("waitForEvent").empty());
}

TEST_F(X11ShellRun, GivenWindowIsNeitherShownNorItsKeysHeardAndItsResizesReshapeTheView) {
    scene.afterDrawn = [this](int drawn) {
        if (drawn == 1) {
            port.push(X11EventKind::Resized, 0, 640, 480);
            port.push(X11EventKind::Resized, 0, 640, 480); // a move: same size
        }
        if (drawn == 2)
            port.push(X11EventKind::Destroyed);
    };
    EXPECT_EQ(run(givenWindow()), 0);
    EXPECT_EQ(port.callsStartingWith("useGivenWindow"),
              (Calls{"useGivenWindow " + std::to_string(GIVEN_WINDOW)}));
    EXPECT_TRUE(port.callsStartingWith("showWindow").empty());
    EXPECT_EQ(port.callsStartingWith("resizeView"),
              (Calls{"resizeView 800x600", "resizeView 640x480"}));
}

TEST_F(X11ShellRun, AnUnmappedWindowRunsNoStepsAndWaitsWithoutATimeout) {
    int waits = 0;
    port.onWait = [&] {
        port.now += 60 * 1000000ull;
        if (++waits == 2)
            port.push(X11EventKind::Mapped);
    };
    scene.afterDrawn = [this](int drawn) {
        if (drawn == 1)
            port.push(X11EventKind::Unmapped);
        if (drawn == 2)
            port.push(X11EventKind::CloseRequested);
    };
    EXPECT_EQ(run(ownWindow()), 0);
    EXPECT_EQ(port.callsStartingWith("waitForEvent"),
              (Calls{"waitForEvent -1", "waitForEvent -1"}));
    // Back on screen, one pass catches up at most the pacer's bound.
    EXPECT_EQ(scene.stepCount, 1 + static_cast<int>(MAX_CATCH_UP_STEPS));
    EXPECT_TRUE(drawingAtEnd);
}

TEST_F(X11ShellRun, KeysFillTheTableTheOwnerReadsAndReleasesClearIt) {
    scene.afterDrawn = [this](int drawn) {
        if (drawn == 1) {
            port.push(X11EventKind::KeyDown, 'q');
            port.push(X11EventKind::KeyDown, 0xffbe); // F1: not in the table
        }
        if (drawn == 2) {
            EXPECT_EQ(scene.keys->keys['Q'], 1);
            port.push(X11EventKind::KeyUp, 'q');
        }
        if (drawn == 3) {
            EXPECT_EQ(scene.keys->keys['Q'], 0);
            port.push(X11EventKind::CloseRequested);
        }
    };
    EXPECT_EQ(run(ownWindow()), 0);
    EXPECT_EQ(scene.drawnCount, 3);
}

TEST(VirtualKeyOf, EscapeLettersDigitsAndTheRestAsTheKeyTableHoldsThem) {
    EXPECT_EQ(virtualKeyOf(KEYSYM_ESCAPE), KEY_ESCAPE);
    EXPECT_EQ(virtualKeyOf('a'), 'A');
    EXPECT_EQ(virtualKeyOf('z'), 'Z');
    EXPECT_EQ(virtualKeyOf('Q'), 'Q');
    EXPECT_EQ(virtualKeyOf('0'), '0');
    EXPECT_EQ(virtualKeyOf(0xff0d), 13); // Return
    EXPECT_EQ(virtualKeyOf(0x20), 32);   // space
    EXPECT_EQ(virtualKeyOf(0xffbe), -1); // F1
    EXPECT_EQ(virtualKeyOf(0x100), -1);
}

} // namespace
} // namespace kestro

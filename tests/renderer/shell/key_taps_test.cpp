// A quick key stroke (down and up between two passes of steps, as
// synthetic and quick keys come) reaches exactly one pass, whichever window
// system brings it: through each backend's own port into the one core.

#include "renderer/shell/key_taps.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "common/shared_names.h"
#include "renderer/shell/shell_core.h"
#include "renderer/shell/win32_backend.h"
#include "renderer/shell/win32_messages.h"
#include "renderer/shell/x11_backend.h"
#include "tests/renderer/shell/recording_win32_port.h"
#include "tests/renderer/shell/recording_x11_port.h"
#include "tests/renderer/shell/scripted_scene.h"

namespace kestro {
namespace {

using testing::KEYSYM_ESCAPE;
constexpr unsigned long KEYSYM_Q = 'q';
constexpr int KEY_Q = 'Q';

// One window system as the test drives it: its backend over a recording
// port, and the way a key goes down or up through that port.
struct System {
    virtual ~System() = default;
    virtual WindowBackend& backend() = 0;
    virtual void key(bool escape, bool down) = 0;
};

struct Win32System : System {
    WindowBackend& backend() override { return win32; }
    void key(bool escape, bool down) override {
        port.post(down ? MESSAGE_KEY_DOWN : MESSAGE_KEY_UP, escape ? KEY_ESCAPE : KEY_Q);
    }
    testing::RecordingWin32Port port;
    Win32Backend win32{port, RendererClass{nullptr, RENDERER_CLASS_NAME}};
};

struct X11System : System {
    X11System() { target.place = DrawPlace::OwnWindow; }
    WindowBackend& backend() override { return x11; }
    void key(bool escape, bool down) override {
        port.push(down ? X11EventKind::KeyDown : X11EventKind::KeyUp,
                  escape ? KEYSYM_ESCAPE : KEYSYM_Q);
    }
    testing::RecordingX11Port port;
    DrawTarget target;
    X11Backend x11{port, target, "kestrovalinde"};
};

const struct {
    const char* name;
    std::function<std::unique_ptr<System>()> make;
} SYSTEMS[] = {
    {"Win32", [] { return std::make_unique<Win32System>(); }},
    {"X11", [] { return std::make_unique<X11System>(); }},
};

TEST(KeyTaps, ATapReachesOnePassAndIsThenReleasedOnEverySystem) {
    for (const auto& each : SYSTEMS) {
        SCOPED_TRACE(each.name);
        const std::unique_ptr<System> system = each.make();
        ShellCore core(system->backend(), false);
        testing::ScriptedScene scene;
        scene.requestQuit = [&core] { core.requestQuit(); };
        int passesSeeingQ = 0;
        scene.afterDrawn = [&](int drawn) {
            passesSeeingQ += scene.keys->keys[KEY_Q];
            if (drawn == 2) {
                system->key(false, true);
                system->key(false, false);
            }
            if (drawn == 5) {
                system->key(true, true);
                system->key(true, false);
            }
        };
        EXPECT_EQ(core.run(scene), 0);
        EXPECT_EQ(passesSeeingQ, 1) << "held for one pass, then up";
        EXPECT_EQ(scene.drawnCount, 6) << "the tapped Escape ended the show";
    }
}

TEST(KeyTaps, AKeyHeldAcrossPassesIsReleasedAtOnceAndANewPressCancelsAWaitingRelease) {
    KeyTaps taps;
    taps.press(KEY_Q);
    taps.passSeen();
    taps.release(KEY_Q);
    EXPECT_EQ(taps.table().keys[KEY_Q], 0) << "a step saw it held";

    taps.press(KEY_Q);
    taps.release(KEY_Q);
    taps.press(KEY_Q);
    taps.passSeen();
    EXPECT_EQ(taps.table().keys[KEY_Q], 1) << "pressed again before the pass: still held";

    taps.clear();
    EXPECT_EQ(taps.table().keys[KEY_Q], 0);
}

} // namespace
} // namespace kestro

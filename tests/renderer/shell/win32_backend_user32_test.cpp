// The Win32 layer under a real window manager of messages: class, window,
// pixel format and context, the window procedure, and whole runs of the
// program entry with a scene that drives it from inside its frames.

#include <gtest/gtest.h>

#include <windows.h>

#include <GL/gl.h>

#include <functional>

#include "common/shared_names.h"
#include "renderer/shell/shell_core.h"
#include "renderer/shell/win32_backend.h"
#include "renderer/shell/win32_messages.h"
#include "renderer/shell/user32_port_win32.h"
#include "renderer/shell/window_class_win32.h"

static_assert(kestro::MESSAGE_SIZE == WM_SIZE);
static_assert(kestro::MESSAGE_CLOSE == WM_CLOSE);
static_assert(kestro::MESSAGE_KEY_DOWN == WM_KEYDOWN);
static_assert(kestro::MESSAGE_KEY_UP == WM_KEYUP);
static_assert(kestro::MESSAGE_SYSTEM_COMMAND == WM_SYSCOMMAND);
static_assert(kestro::TOGGLE_SCREEN_MODE_MSG == WM_USER + 1 && WM_USER + 1 == 1025);
static_assert(kestro::SIZE_TYPE_RESTORED == SIZE_RESTORED);
static_assert(kestro::SIZE_TYPE_MINIMIZED == SIZE_MINIMIZED);
static_assert(kestro::SIZE_TYPE_MAXIMIZED == SIZE_MAXIMIZED);
static_assert(kestro::SYSTEM_COMMAND_SCREEN_SAVE == SC_SCREENSAVE);
static_assert(kestro::SYSTEM_COMMAND_MONITOR_POWER == SC_MONITORPOWER);
static_assert(kestro::KEY_ESCAPE == VK_ESCAPE);

// The owner the whole runs drive in these tests: each event runs what the
// current test put there.
namespace kestro {
namespace {
struct TestScene : ShellEvents {
    std::function<bool(const KeyTable&)> init;
    std::function<void(uint32_t)> update;
    std::function<void()> draw;

    bool initScene(const KeyTable& keyTable) override { return init ? init(keyTable) : true; }
    void updateTiming(uint32_t elapsed) override {
        if (update)
            update(elapsed);
    }
    void drawFrame(bool drawn) override {
        if (drawn && draw)
            draw();
    }
};
} // namespace
} // namespace kestro

namespace kestro {
namespace {

HINSTANCE thisInstance() {
    return GetModuleHandleA(nullptr);
}

int cursorCount() {
    const int raised = ShowCursor(TRUE);
    ShowCursor(FALSE);
    return raised - 1;
}

HWND rendererWindowOnScreen() {
    return FindWindowA(RENDERER_CLASS_NAME, RENDERER_WINDOW_TITLE);
}

class ShellWin32 : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(registerRendererClass(rendererClass)); }
    void TearDown() override {
        for (Win32Backend* backend : {&fullScreen, &framed})
            if (backend->window() != nullptr)
                backend->close();
        UnregisterClassA(RENDERER_CLASS_NAME, thisInstance());
    }

    static HWND hwnd(const Win32Backend& backend) { return static_cast<HWND>(backend.window()); }
    bool openFullScreen() { return fullScreen.open(true).ready; }
    bool openFramed() { return framed.open(false).ready; }

    User32Port port;
    RendererClass rendererClass{thisInstance(), RENDERER_CLASS_NAME};
    Win32Backend fullScreen{port, rendererClass};
    Win32Backend framed{port, rendererClass};
};

TEST_F(ShellWin32, ClassHasTheRenderersStyleProcedureAndBackground) {
    WNDCLASSEXA info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetClassInfoExA(thisInstance(), RENDERER_CLASS_NAME, &info));
    EXPECT_EQ(info.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW | CS_OWNDC));
    EXPECT_EQ(info.style, 0x23u);
    EXPECT_EQ(info.lpfnWndProc, rendererWindowProc);
    EXPECT_EQ(info.hbrBackground, reinterpret_cast<HBRUSH>(12));
    EXPECT_NE(info.hCursor, nullptr);
    EXPECT_EQ(info.cbClsExtra, 0);
    EXPECT_EQ(info.cbWndExtra, 0);
    // A second registration fails, as the entry would see it.
    EXPECT_FALSE(registerRendererClass(rendererClass));
}

TEST_F(ShellWin32, CoverIsABlackCursorlessPopupThatLeavesTheFocusWhereItWas) {
    ASSERT_TRUE(openFramed());
    ASSERT_EQ(GetActiveWindow(), hwnd(framed));
    const ScreenRect area{10, 20, 330, 260};
    for (bool topmost : {true, false}) {
        SCOPED_TRACE(topmost ? "topmost" : "at the window's level");
        HWND cover = static_cast<HWND>(port.createCoverWindow(thisInstance(), area, topmost));
        ASSERT_NE(cover, nullptr);
        EXPECT_EQ(FindWindowA(COVER_CLASS_NAME, COVER_WINDOW_TITLE), cover);
        EXPECT_TRUE(IsWindowVisible(cover));
        EXPECT_EQ(GetActiveWindow(), hwnd(framed)) << "the keys must stay with the renderer";
        RECT bounds{};
        GetWindowRect(cover, &bounds);
        EXPECT_EQ((ScreenRect{bounds.left, bounds.top, bounds.right, bounds.bottom}), area);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(cover, GWL_STYLE)) & WS_CAPTION, 0u);
        const DWORD extended = static_cast<DWORD>(GetWindowLongA(cover, GWL_EXSTYLE));
        EXPECT_EQ((extended & WS_EX_TOPMOST) != 0, topmost);
        EXPECT_NE(extended & WS_EX_TOOLWINDOW, 0u) << "no taskbar button";
        EXPECT_EQ(SendMessageA(cover, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(cover),
                               MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)),
                  MA_NOACTIVATE);
        EXPECT_EQ(SendMessageA(cover, WM_SETCURSOR, reinterpret_cast<WPARAM>(cover),
                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                  TRUE);
        EXPECT_EQ(GetCursor(), nullptr);
        port.destroyCoverWindow(cover);
        EXPECT_FALSE(IsWindow(cover));
    }
    WNDCLASSEXA info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetClassInfoExA(thisInstance(), COVER_CLASS_NAME, &info));
    EXPECT_EQ(info.hbrBackground, GetStockObject(BLACK_BRUSH));
    EXPECT_EQ(info.hCursor, nullptr);
}

TEST_F(ShellWin32, OnASingleMonitorThatHoldsTheWindowNoCoverIsMade) {
    // Wine on the tests' usual single-head display.
    ASSERT_TRUE(openFramed());
    const std::vector<ScreenRect> monitors = port.listMonitors();
    if (monitors.size() != 1)
        GTEST_SKIP() << "this display has " << monitors.size() << " monitors";
    EXPECT_EQ(port.monitorOf(framed.window()), monitors[0]);
    EXPECT_EQ(framed.coverCount(), 0u);
    EXPECT_EQ(FindWindowA(COVER_CLASS_NAME, nullptr), nullptr);
}

TEST_F(ShellWin32, FullScreenRequestOpensTheTitledWindowWithACurrentContext) {
    const int cursorsBefore = cursorCount();
    ASSERT_TRUE(openFullScreen());
    ASSERT_EQ(rendererWindowOnScreen(), hwnd(fullScreen));
    EXPECT_EQ(reinterpret_cast<Win32Backend*>(GetWindowLongPtrA(hwnd(fullScreen), GWLP_USERDATA)),
              &fullScreen);
    EXPECT_EQ(wglGetCurrentContext(), static_cast<HGLRC>(fullScreen.glContext()));
    EXPECT_TRUE(IsWindowVisible(hwnd(fullScreen)));

    RECT outer;
    GetWindowRect(hwnd(fullScreen), &outer);
    EXPECT_EQ(outer.left, 0);
    EXPECT_EQ(outer.top, 0);
    const LONG style = GetWindowLongA(hwnd(fullScreen), GWL_STYLE);
    const LONG extended = GetWindowLongA(hwnd(fullScreen), GWL_EXSTYLE);
    if (fullScreen.fullScreen()) {
        // The display took the mode: a topmost popup and a hidden cursor.
        EXPECT_TRUE(style & WS_POPUP);
        EXPECT_TRUE(extended & WS_EX_TOPMOST);
        EXPECT_EQ(cursorCount(), cursorsBefore - 1);
    } else {
        // The display refused it (always so under Wine on Xvfb): a framed
        // window whose outer size is 1024 x 768, cursor left alone.
        EXPECT_EQ(outer.right - outer.left, 1024);
        EXPECT_EQ(outer.bottom - outer.top, 768);
        EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
        EXPECT_FALSE(extended & WS_EX_TOPMOST);
        EXPECT_EQ(cursorCount(), cursorsBefore);
    }
    fullScreen.close();
    EXPECT_EQ(rendererWindowOnScreen(), nullptr);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_EQ(cursorCount(), cursorsBefore);
}

TEST_F(ShellWin32, WindowedModeHasAClientAreaOf1024By768AndAMatchingPixelFormat) {
    ASSERT_TRUE(openFramed());
    RECT client;
    GetClientRect(hwnd(framed), &client);
    EXPECT_EQ(client.right, 1024);
    EXPECT_EQ(client.bottom, 768);

    HDC dc = static_cast<HDC>(framed.deviceContext());
    PIXELFORMATDESCRIPTOR chosen = {};
    ASSERT_NE(DescribePixelFormat(dc, GetPixelFormat(dc), sizeof chosen, &chosen), 0);
    EXPECT_TRUE(chosen.dwFlags & PFD_DOUBLEBUFFER);
    EXPECT_TRUE(chosen.dwFlags & PFD_SUPPORT_OPENGL);
    EXPECT_EQ(chosen.iPixelType, PFD_TYPE_RGBA);
    EXPECT_GT(chosen.cDepthBits, 0);

    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 1024);
    EXPECT_EQ(viewport[3], 768);
}

// Takes the backend's waiting events until one of the kind comes; false
// when none does.
bool takesEventOfKind(Win32Backend& backend, BackendEventKind kind, BackendEvent& found) {
    while (backend.takeEvent(found))
        if (found.kind == kind)
            return true;
    return false;
}

TEST_F(ShellWin32, WindowProcedureHandsKeysToTheCoreAndSwallowsPowerSaving) {
    ASSERT_TRUE(openFramed());
    EXPECT_EQ(SendMessageA(hwnd(framed), WM_KEYDOWN, VK_ESCAPE, 0), 0);
    BackendEvent key;
    ASSERT_TRUE(takesEventOfKind(framed, BackendEventKind::Key, key));
    EXPECT_EQ(key.key, VK_ESCAPE);
    EXPECT_TRUE(key.pressed);
    EXPECT_EQ(SendMessageA(hwnd(framed), WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    EXPECT_EQ(SendMessageA(hwnd(framed), WM_SYSCOMMAND, SC_MONITORPOWER, 2), 0);
    EXPECT_TRUE(IsWindow(hwnd(framed)));
}

TEST_F(ShellWin32, CloseMessageAsksTheCoreToEndAndLeavesTheWindowStanding) {
    ASSERT_TRUE(openFramed());
    EXPECT_EQ(SendMessageA(hwnd(framed), WM_CLOSE, 0, 0), 0);
    BackendEvent close;
    EXPECT_TRUE(takesEventOfKind(framed, BackendEventKind::CloseAsked, close));
    EXPECT_TRUE(IsWindow(hwnd(framed)));
}

// A whole run as the program's entry makes it, with the test's scene.
class RendererProgram : public ::testing::Test {
  protected:
    int runProgram() { return shell.run(testScene); }

    TestScene testScene;
    User32Port port;
    Win32Backend backend{port, RendererClass{thisInstance(), RENDERER_CLASS_NAME}};
    ShellCore shell{backend, true};
};

TEST_F(RendererProgram, EscapeHeldEndsTheProgramAfterFrames) {
    int frames = 0;
    const KeyTable* sceneKeys = nullptr;
    testScene.init = [&](const KeyTable& k) {
        sceneKeys = &k;
        return true;
    };
    testScene.update = [&](uint32_t) {
        if (sceneKeys->keys[VK_ESCAPE] == 1)
            shell.requestQuit();
    };
    testScene.draw = [&] {
        ++frames;
        if (frames == 3) {
            EXPECT_NE(rendererWindowOnScreen(), nullptr);
            PostMessageA(rendererWindowOnScreen(), WM_KEYDOWN, VK_ESCAPE, 0);
        }
        if (frames > 500)
            shell.requestQuit(); // not reached when Escape works
    };
    EXPECT_EQ(runProgram(), 0);
    EXPECT_EQ(frames, 4);
    EXPECT_EQ(rendererWindowOnScreen(), nullptr);
}

TEST_F(RendererProgram, ToggleRecreatesTheWindowAndCloseEndsTheProgram) {
    int inits = 0;
    int frames = 0;
    HWND first = nullptr;
    HWND second = nullptr;
    testScene.init = [&](const KeyTable&) {
        ++inits;
        frames = 0;
        return true;
    };
    testScene.draw = [&] {
        ++frames;
        if (frames != 2)
            return;
        if (inits == 1) {
            first = rendererWindowOnScreen();
            PostMessageA(first, TOGGLE_SCREEN_MODE_MSG, 0, 0);
        } else {
            second = rendererWindowOnScreen();
            RECT client;
            GetClientRect(second, &client);
            // The toggle after a refused mode change asks for a window.
            EXPECT_EQ(client.right, 1024);
            EXPECT_EQ(client.bottom, 768);
            PostMessageA(second, WM_CLOSE, 0, 0);
        }
    };
    EXPECT_EQ(runProgram(), 0);
    EXPECT_EQ(inits, 2);
    EXPECT_NE(first, nullptr);
    EXPECT_NE(second, nullptr);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(rendererWindowOnScreen(), nullptr);
}

TEST_F(RendererProgram, SceneThatFailsToSetUpEndsTheProgramWithoutFrames) {
    int frames = 0;
    testScene.init = [](const KeyTable&) { return false; };
    testScene.draw = [&] { ++frames; };
    EXPECT_EQ(runProgram(), 0);
    EXPECT_EQ(frames, 0);
    EXPECT_EQ(rendererWindowOnScreen(), nullptr);
}

TEST_F(RendererProgram, ClassAlreadyRegisteredEndsWithMinusOne) {
    RendererClass taken{GetModuleHandleA(nullptr), RENDERER_CLASS_NAME};
    ASSERT_TRUE(registerRendererClass(taken));
    EXPECT_EQ(runProgram(), -1);
    UnregisterClassA(RENDERER_CLASS_NAME, GetModuleHandleA(nullptr));
}

} // namespace
} // namespace kestro

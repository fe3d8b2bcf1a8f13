#pragma once
// A Win32Port that records each call in order, fails where a test says, and
// plays a scripted message queue through the window's owner the way
// DispatchMessageA reaches the window procedure.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "renderer/shell/win32_backend.h"
#include "renderer/shell/win32_messages.h"
#include "renderer/shell/win32_port.h"

namespace kestro::testing {

struct QueuedMessage {
    bool quit;
    uint32_t message;
    uintptr_t wParam;
    intptr_t lParam;
};

class RecordingWin32Port : public Win32Port {
  public:
    std::vector<std::string> calls;
    bool registerSucceeds = true;
    bool displayModeSucceeds = false;
    // Name of the one call to fail: "createWindow", "getDeviceContext",
    // "choosePixelFormat", "setPixelFormat", "createGlContext", "makeCurrent".
    std::string failingCall;
    std::deque<QueuedMessage> queue;
    // The fake clock: it moves only when a wait times out, when presenting
    // takes time (a display's refresh) and when making a window does.
    uint64_t now = 1000000;
    uint64_t presentMicroseconds = 0;
    uint64_t windowCreationMicroseconds = 0;
    // The owner and title of the window made last; messages go to the owner.
    Win32Backend* createdFor = nullptr;
    std::string createdTitle;
    // Runs when the loop blocks for messages, so a test can deliver one.
    std::function<void()> onWait;
    int windowsCreated = 0;
    // The display the fake shows: one monitor unless a test lists more. The
    // queries are not recorded; the covers made and destroyed are.
    std::vector<ScreenRect> monitors{{0, 0, 1024, 768}};
    ScreenRect rendererMonitor{0, 0, 1024, 768};
    // Covers over these areas are refused.
    std::vector<ScreenRect> refusedCovers;
    int coversCreated = 0;

    void post(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) {
        queue.push_back({false, message, wParam, lParam});
    }
    // The thread's quit message, as someone else may post it.
    void postQuitMessage() { queue.push_back({true, 0, 0, 0}); }

    // Calls whose name starts with the prefix, in order.
    std::vector<std::string> callsStartingWith(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const auto& call : calls)
            if (call.rfind(prefix, 0) == 0)
                found.push_back(call);
        return found;
    }

    bool registerClass(const RendererClass& rendererClass) override {
        calls.push_back(std::string("registerClass ") + rendererClass.className);
        return registerSucceeds;
    }
    void unregisterClass(const RendererClass& rendererClass) override {
        calls.push_back(std::string("unregisterClass ") + rendererClass.className);
    }
    bool switchDisplayMode(int32_t width, int32_t height, int32_t bits) override {
        calls.push_back("switchDisplayMode " + std::to_string(width) + "x" +
                        std::to_string(height) + "x" + std::to_string(bits));
        return displayModeSucceeds;
    }
    void restoreDisplayMode() override { calls.push_back("restoreDisplayMode"); }
    void showCursor(bool visible) override {
        calls.push_back(visible ? "showCursor true" : "showCursor false");
    }
    WindowHandle createWindow(const WindowRequest& request, WindowFrame frame) override {
        static const char* const frames[] = {"popup", "fallback", "adjusted"};
        calls.push_back(std::string("createWindow ") + frames[static_cast<int>(frame)]);
        if (failingCall == "createWindow")
            return nullptr;
        createdFor = request.owner;
        createdTitle = request.title;
        ++windowsCreated;
        now += windowCreationMicroseconds;
        return handle(0x100 + windowsCreated);
    }
    DeviceContext getDeviceContext(WindowHandle) override {
        calls.push_back("getDeviceContext");
        return failingCall == "getDeviceContext" ? nullptr : handle(0x200);
    }
    int choosePixelFormat(DeviceContext, int32_t colourBits) override {
        calls.push_back("choosePixelFormat " + std::to_string(colourBits));
        return failingCall == "choosePixelFormat" ? 0 : 7;
    }
    bool setPixelFormat(DeviceContext, int format, int32_t) override {
        calls.push_back("setPixelFormat " + std::to_string(format));
        return failingCall != "setPixelFormat";
    }
    GlContext createGlContext(DeviceContext) override {
        calls.push_back("createGlContext");
        return failingCall == "createGlContext" ? nullptr : handle(0x300);
    }
    bool makeCurrent(DeviceContext, GlContext context) override {
        calls.push_back(context != nullptr ? "makeCurrent" : "makeCurrent none");
        return context == nullptr || failingCall != "makeCurrent";
    }
    void deleteGlContext(GlContext) override { calls.push_back("deleteGlContext"); }
    void releaseDeviceContext(WindowHandle, DeviceContext) override {
        calls.push_back("releaseDeviceContext");
    }
    void destroyWindow(WindowHandle) override {
        calls.push_back("destroyWindow");
        createdFor = nullptr;
        queue.clear(); // a destroyed window's queued messages go with it
    }
    void showWindow(WindowHandle) override { calls.push_back("showWindow"); }
    void resizeView(int32_t width, int32_t height) override {
        calls.push_back("resizeView " + std::to_string(width) + "x" + std::to_string(height));
    }
    std::vector<ScreenRect> listMonitors() override { return monitors; }
    ScreenRect monitorOf(WindowHandle) override { return rendererMonitor; }
    WindowHandle createCoverWindow(ModuleInstance, const ScreenRect& area, bool topmost) override {
        calls.push_back("cover " + describe(area) + (topmost ? " topmost" : ""));
        for (const ScreenRect& refused : refusedCovers)
            if (refused == area)
                return nullptr;
        return handle(0x400 + ++coversCreated);
    }
    void destroyCoverWindow(WindowHandle cover) override {
        calls.push_back("uncover " + std::to_string(reinterpret_cast<uintptr_t>(cover) - 0x400));
    }
    static std::string describe(const ScreenRect& area) {
        return std::to_string(area.left) + "," + std::to_string(area.top) + "-" +
               std::to_string(area.right) + "," + std::to_string(area.bottom);
    }
    uint64_t clockMicroseconds() override { return now; }
    TakenMessage takeMessage(WindowHandle) override {
        if (queue.empty())
            return TakenMessage::None;
        const QueuedMessage taken = queue.front();
        queue.pop_front();
        if (taken.quit)
            return TakenMessage::Quit;
        if (createdFor == nullptr ||
            !createdFor->handleMessage(taken.message, taken.wParam, taken.lParam))
            calls.push_back("defaultProcedure " + std::to_string(taken.message));
        return TakenMessage::Dispatched;
    }
    void waitMessage() override {
        calls.push_back("waitMessage");
        if (onWait)
            onWait();
    }
    // Times out: no test posts a message from outside while the loop waits.
    void waitMessageOrTimeout(uint64_t timeoutMicroseconds) override {
        calls.push_back("waitMessageOrTimeout " + std::to_string(timeoutMicroseconds));
        now += timeoutMicroseconds;
    }
    void swapBuffers(DeviceContext) override {
        calls.push_back("swapBuffers");
        now += presentMicroseconds;
    }
    static void* handle(uintptr_t value) { return reinterpret_cast<void*>(value); }
};

} // namespace kestro::testing

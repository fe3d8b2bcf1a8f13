#pragma once
// An X11Port that records every call; the display, the windows, the
// events and the clock are what the test says.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "renderer/shell/x11_port.h"

namespace kestro::testing {

// The keysym X11 reports for the Escape key.
constexpr unsigned long KEYSYM_ESCAPE = 0xff1b;

class RecordingX11Port : public X11Port {
  public:
    std::vector<std::string> calls;
    std::vector<std::string> failures;
    bool displayOpens = true;
    X11WindowResult window{X11WindowStatus::Ready, 800, 600};
    bool contextMade = true;
    std::deque<X11Event> events;
    uint64_t now = 5000000;
    bool signalled = false;
    bool lost = false;
    // Runs before each wait, so a test can deliver an event or a signal.
    std::function<void()> onWait;

    void push(X11EventKind kind, unsigned long keysym = 0, int32_t width = 0, int32_t height = 0) {
        X11Event event;
        event.kind = kind;
        event.keysym = keysym;
        event.width = width;
        event.height = height;
        events.push_back(event);
    }
    std::vector<std::string> callsStartingWith(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const auto& call : calls)
            if (call.rfind(prefix, 0) == 0)
                found.push_back(call);
        return found;
    }

    bool openDisplay(const std::string& displayName) override {
        calls.push_back(displayName.empty() ? "openDisplay" : "openDisplay " + displayName);
        return displayOpens;
    }
    X11WindowResult createOwnWindow(const WindowGeometry& geometry, bool fullScreen) override {
        const std::string place =
            geometry.placed ? " at " + std::to_string(geometry.x) + "," + std::to_string(geometry.y)
                            : "";
        calls.push_back("createOwnWindow " + std::to_string(geometry.width) + "x" +
                        std::to_string(geometry.height) + place +
                        (fullScreen ? " full screen" : ""));
        return window;
    }
    X11WindowResult useGivenWindow(unsigned long windowId) override {
        calls.push_back("useGivenWindow " + std::to_string(windowId));
        return window;
    }
    X11WindowResult useRootWindow() override {
        calls.push_back("useRootWindow");
        return window;
    }
    bool createGlContext() override {
        calls.push_back("createGlContext");
        return contextMade;
    }
    void showWindow() override { calls.push_back("showWindow"); }
    void resizeView(int32_t width, int32_t height) override {
        calls.push_back("resizeView " + std::to_string(width) + "x" + std::to_string(height));
    }
    uint64_t clockMicroseconds() override { return now; }
    bool takeEvent(X11Event& event) override {
        if (events.empty())
            return false;
        event = events.front();
        events.pop_front();
        return true;
    }
    void waitForEvent(int64_t timeoutMicroseconds) override {
        calls.push_back("waitForEvent " + std::to_string(timeoutMicroseconds));
        if (onWait)
            onWait();
        if (timeoutMicroseconds > 0)
            now += static_cast<uint64_t>(timeoutMicroseconds);
    }
    bool quitSignalled() override { return signalled; }
    bool windowLost() override { return lost; }
    void swapBuffers() override {
        calls.push_back("swapBuffers");
        now += presentMicroseconds;
    }
    void closeWindow() override { calls.push_back("closeWindow"); }
    void closeDisplay() override { calls.push_back("closeDisplay"); }
    void reportFailure(const std::string& line) override { failures.push_back(line); }

    uint64_t presentMicroseconds = 0;
};

} // namespace kestro::testing

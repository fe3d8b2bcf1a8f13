#include "renderer/shell/x11_backend.h"

#include <cstdio>

#include "renderer/shell/key_table.h"
#include "renderer/shell/shell_core.h"

namespace kestro {

namespace {

// X key symbols the key table holds.
constexpr unsigned long KEYSYM_ESCAPE = 0xff1b;
constexpr unsigned long KEYSYM_RETURN = 0xff0d;
constexpr unsigned long KEYSYM_SPACE = 0x20;
constexpr int VIRTUAL_KEY_RETURN = 13;
constexpr int VIRTUAL_KEY_SPACE = 32;

std::string windowName(unsigned long windowId) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", windowId);
    return text;
}

} // namespace

int virtualKeyOf(unsigned long keysym) {
    if (keysym == KEYSYM_ESCAPE)
        return KEY_ESCAPE;
    if (keysym == KEYSYM_RETURN)
        return VIRTUAL_KEY_RETURN;
    if (keysym == KEYSYM_SPACE)
        return VIRTUAL_KEY_SPACE;
    // Digits and letters share their codes with ASCII; letters in capitals.
    if (keysym >= '0' && keysym <= '9')
        return static_cast<int>(keysym);
    if (keysym >= 'A' && keysym <= 'Z')
        return static_cast<int>(keysym);
    if (keysym >= 'a' && keysym <= 'z')
        return static_cast<int>(keysym - 'a' + 'A');
    return -1;
}

X11Backend::X11Backend(X11Port& port, const DrawTarget& target, const char* programName)
    : port_(port), target_(target), programName_(programName) {}

int X11Backend::start() {
    if (port_.openDisplay(target_.displayName))
        return 0;
    const std::string named = target_.displayName.empty() ? "" : " " + target_.displayName;
    port_.reportFailure(std::string(programName_) + ": cannot open display" + named);
    return X11_EXIT_FAILURE;
}

void X11Backend::stop() {
    port_.closeDisplay();
}

OpenedPlace X11Backend::open(bool fullScreen) {
    const X11WindowResult window = openWindow(fullScreen);
    switch (window.status) {
    case X11WindowStatus::Ready:
        break;
    case X11WindowStatus::NoSuchWindow:
        return fail("no window " + windowName(target_.windowId) + " on the display");
    case X11WindowStatus::NoGlVisual:
        if (target_.place == DrawPlace::GivenWindow)
            return fail("window " + windowName(target_.windowId) + " has no OpenGL visual");
        if (target_.place == DrawPlace::RootWindow)
            return fail("the root window has no OpenGL visual");
        return fail("the display has no OpenGL visual");
    }
    if (!port_.createGlContext())
        return fail("cannot make an OpenGL context");
    if (target_.place == DrawPlace::OwnWindow)
        port_.showWindow();
    return {true, window.width, window.height, 0};
}

void X11Backend::close() {
    port_.closeWindow();
}

X11WindowResult X11Backend::openWindow(bool fullScreen) {
    switch (target_.place) {
    case DrawPlace::GivenWindow:
        return port_.useGivenWindow(target_.windowId);
    case DrawPlace::RootWindow:
        return port_.useRootWindow();
    case DrawPlace::OwnWindow:
    // The Wayland places never reach an X display; the composition root
    // sends them elsewhere.
    case DrawPlace::WaylandOverlay:
    case DrawPlace::WaylandBackground:
        break;
    }
    // Without a size of the user's, the show's own.
    WindowGeometry geometry = target_.geometry;
    if (geometry.width <= 0 || geometry.height <= 0) {
        geometry.width = SHOW_WIDTH;
        geometry.height = SHOW_HEIGHT;
    }
    return port_.createOwnWindow(geometry, fullScreen);
}

// What was made of the window is given back with the display, at stop.
OpenedPlace X11Backend::fail(const std::string& reason) {
    port_.reportFailure(std::string(programName_) + ": " + reason);
    return {false, 0, 0, X11_EXIT_FAILURE};
}

bool X11Backend::takeEvent(BackendEvent& event) {
    // Asked before every pass, so a signal or a lost window ends the run
    // even when steps are always due and the loop never waits.
    if (port_.quitSignalled() || port_.windowLost()) {
        event = BackendEvent{BackendEventKind::Lost};
        return true;
    }
    X11Event taken;
    while (port_.takeEvent(taken))
        if (translate(taken, event))
            return true;
    return false;
}

bool X11Backend::translate(const X11Event& taken, BackendEvent& event) {
    event = BackendEvent{};
    switch (taken.kind) {
    case X11EventKind::KeyDown:
    case X11EventKind::KeyUp:
        event.kind = BackendEventKind::Key;
        event.key = virtualKeyOf(taken.keysym);
        event.pressed = taken.kind == X11EventKind::KeyDown;
        return event.key >= 0;
    case X11EventKind::Resized:
        event.kind = BackendEventKind::Resized;
        event.width = taken.width;
        event.height = taken.height;
        return true;
    case X11EventKind::Mapped:
        event.kind = BackendEventKind::Shown;
        return true;
    case X11EventKind::Unmapped:
        event.kind = BackendEventKind::Hidden;
        return true;
    case X11EventKind::CloseRequested:
        event.kind = BackendEventKind::CloseAsked;
        return true;
    case X11EventKind::Destroyed:
        event.kind = BackendEventKind::Lost;
        return true;
    case X11EventKind::Other:
        break;
    }
    return false;
}

void X11Backend::waitEvent(int64_t timeoutMicroseconds) {
    port_.waitForEvent(timeoutMicroseconds);
}

void X11Backend::resizeView(int32_t width, int32_t height) {
    port_.resizeView(width, height);
}

void X11Backend::present() {
    port_.swapBuffers();
}

uint64_t X11Backend::clockMicroseconds() {
    return port_.clockMicroseconds();
}

} // namespace kestro

#include "renderer/shell/x11_shell.h"

#include <cstdio>
#include <string>

#include "renderer/shell/render_loop.h"

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

X11Shell::X11Shell(X11ShellPort& port, const DrawTarget& target, const char* programName)
    : port_(port), target_(target), programName_(programName) {}

int X11Shell::run(ShellEvents& events) {
    if (!port_.openDisplay(target_.displayName)) {
        const std::string named = target_.displayName.empty() ? "" : " " + target_.displayName;
        port_.reportFailure(std::string(programName_) + ": cannot open display" + named);
        return X11_EXIT_FAILURE;
    }
    const X11WindowResult window = openWindow();
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
    drawing_ = true;
    resize(window.width, window.height);
    keyTable_ = KeyTable{};
    if (events.initScene(keyTable_)) {
        pacer_.restart(port_.clockMicroseconds());
        runMessageLoop(*this, events, pacer_, drawing_);
    }
    port_.closeDisplay();
    return 0;
}

X11WindowResult X11Shell::openWindow() {
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
    // Without a size of the user's, the module's own.
    WindowGeometry geometry = target_.geometry;
    if (geometry.width <= 0 || geometry.height <= 0) {
        geometry.width = X11_OWN_WINDOW_WIDTH;
        geometry.height = X11_OWN_WINDOW_HEIGHT;
    }
    return port_.createOwnWindow(geometry, target_.fullScreen);
}

int X11Shell::fail(const std::string& reason) {
    port_.closeDisplay();
    port_.reportFailure(std::string(programName_) + ": " + reason);
    return X11_EXIT_FAILURE;
}

uint64_t X11Shell::clockMicroseconds() {
    return port_.clockMicroseconds();
}

TakenMessage X11Shell::takeMessage() {
    // Asked before every pass, so a signal or a lost window ends the run
    // even when steps are always due and the loop never waits.
    if (quitRequested_ || port_.quitSignalled() || port_.windowLost())
        return TakenMessage::Quit;
    X11Event event;
    if (!port_.takeEvent(event))
        return TakenMessage::None;
    handleEvent(event);
    return TakenMessage::Dispatched;
}

void X11Shell::waitMessage() {
    port_.waitForEvent(-1);
}

void X11Shell::waitMessageOrTimeout(uint64_t timeoutMicroseconds) {
    port_.waitForEvent(static_cast<int64_t>(timeoutMicroseconds));
}

// Every pass that runs steps ends here: the keys held so far were seen.
void X11Shell::presentFrame() {
    for (int key = 0; key < KEY_COUNT; ++key)
        if (releaseWaiting_[static_cast<size_t>(key)])
            keyTable_.keys[key] = 0;
    pressUnseen_.reset();
    releaseWaiting_.reset();
    port_.swapBuffers();
}

void X11Shell::pressKey(int key) {
    keyTable_.keys[key] = 1;
    pressUnseen_.set(static_cast<size_t>(key));
    releaseWaiting_.reset(static_cast<size_t>(key));
}

void X11Shell::releaseKey(int key) {
    if (pressUnseen_[static_cast<size_t>(key)])
        releaseWaiting_.set(static_cast<size_t>(key));
    else
        keyTable_.keys[key] = 0;
}

void X11Shell::handleEvent(const X11Event& event) {
    switch (event.kind) {
    case X11EventKind::KeyDown:
    case X11EventKind::KeyUp: {
        const int key = virtualKeyOf(event.keysym);
        if (key < 0)
            break;
        if (event.kind == X11EventKind::KeyDown)
            pressKey(key);
        else
            releaseKey(key);
        break;
    }
    case X11EventKind::Resized:
        resize(event.width, event.height);
        break;
    case X11EventKind::Mapped:
        drawing_ = true;
        break;
    case X11EventKind::Unmapped:
        drawing_ = false;
        break;
    case X11EventKind::CloseRequested:
    case X11EventKind::Destroyed:
        quitRequested_ = true;
        break;
    case X11EventKind::Other:
        break;
    }
}

// The show's projection follows the window's shape; a size that did not
// change (a move) leaves the view alone.
void X11Shell::resize(int32_t width, int32_t height) {
    if (width == width_ && height == height_)
        return;
    width_ = width;
    height_ = height;
    port_.resizeView(width, height);
}

} // namespace kestro

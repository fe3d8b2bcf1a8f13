// The X11 shell's calls into Xlib, GLX and the process, one each.

#include "renderer/shell/x11_shell_port_x11.h"

#include <X11/Xatom.h>

#include <poll.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>

#include "renderer/shell/view_projection.h"

namespace kestro {

namespace {

constexpr char WINDOW_TITLE[] = "Kestrovalinde";
constexpr uint64_t NANOSECONDS_PER_MICROSECOND = 1000;
constexpr uint64_t MICROSECONDS_PER_SECOND_X11 = 1000000;

// Set by the signal handler, read by the shell before every pass.
volatile sig_atomic_t quitSignal = 0;
// Set by the X error handler when an error names the window we draw on
// (BadWindow, BadDrawable or GLX's own, once it is destroyed under us).
volatile sig_atomic_t windowGone = 0;
// The window the error handler watches for.
Window watchedWindow = 0;

void onQuitSignal(int) {
    quitSignal = 1;
}

// Errors never end the program and are never printed: one about the window
// we draw on (destroyed under us) ends the show as a normal end; others
// (a driver's request the server refused) change nothing.
int onXError(Display*, XErrorEvent* error) {
    if (watchedWindow != 0 && error->resourceid == watchedWindow)
        windowGone = 1;
    return 0;
}

// The connection is gone (the server ended, or the session went): nothing
// more can be drawn, and Xlib must not be called again. A normal end.
int onXIoError(Display*) {
    _exit(0);
}

bool hasGl(Display* display, XVisualInfo* visual, bool& doubleBuffered) {
    int useGl = 0;
    int rgba = 0;
    int doubleBuffer = 0;
    if (glXGetConfig(display, visual, GLX_USE_GL, &useGl) != 0 || !useGl)
        return false;
    if (glXGetConfig(display, visual, GLX_RGBA, &rgba) != 0 || !rgba)
        return false;
    glXGetConfig(display, visual, GLX_DOUBLEBUFFER, &doubleBuffer);
    doubleBuffered = doubleBuffer != 0;
    return true;
}

} // namespace

XlibShellPort::XlibShellPort() {
    sigset_t quitSignals;
    sigemptyset(&quitSignals);
    sigaddset(&quitSignals, SIGTERM);
    sigaddset(&quitSignals, SIGINT);
    sigprocmask(SIG_BLOCK, &quitSignals, &originalMask_);
    waitMask_ = originalMask_;
    sigdelset(&waitMask_, SIGTERM);
    sigdelset(&waitMask_, SIGINT);
    struct sigaction action = {};
    action.sa_handler = onQuitSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, &originalTerm_);
    sigaction(SIGINT, &action, &originalInt_);
}

XlibShellPort::~XlibShellPort() {
    closeDisplay();
    // A quit signal that came while drawing ended the run already; taken
    // here, it cannot end the process once the old handling is back.
    sigset_t quitSignals;
    sigemptyset(&quitSignals);
    sigaddset(&quitSignals, SIGTERM);
    sigaddset(&quitSignals, SIGINT);
    const timespec noWait = {};
    while (sigtimedwait(&quitSignals, nullptr, &noWait) > 0) {
    }
    sigaction(SIGTERM, &originalTerm_, nullptr);
    sigaction(SIGINT, &originalInt_, nullptr);
    sigprocmask(SIG_SETMASK, &originalMask_, nullptr);
}

bool XlibShellPort::openDisplay(const std::string& displayName) {
    XSetErrorHandler(onXError);
    XSetIOErrorHandler(onXIoError);
    display_ = XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
    return display_ != nullptr;
}

X11WindowResult XlibShellPort::createOwnWindow(const WindowGeometry& geometry, bool fullScreen) {
    const int32_t width = geometry.width;
    const int32_t height = geometry.height;
    const int screen = DefaultScreen(display_);
    int doubleBuffered[] = {GLX_RGBA,
                            GLX_DOUBLEBUFFER,
                            GLX_RED_SIZE,
                            1,
                            GLX_GREEN_SIZE,
                            1,
                            GLX_BLUE_SIZE,
                            1,
                            GLX_DEPTH_SIZE,
                            1,
                            None};
    visual_ = glXChooseVisual(display_, screen, doubleBuffered);
    if (visual_ == nullptr)
        return {X11WindowStatus::NoGlVisual, 0, 0};
    doubleBuffered_ = true;
    const Window root = RootWindow(display_, screen);
    colormap_ = XCreateColormap(display_, root, visual_->visual, AllocNone);
    XSetWindowAttributes attributes = {};
    attributes.colormap = colormap_;
    attributes.background_pixel = BlackPixel(display_, screen);
    attributes.border_pixel = 0;
    attributes.event_mask = KeyPressMask | KeyReleaseMask | StructureNotifyMask;
    window_ = XCreateWindow(display_, root, geometry.x, geometry.y, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), 0, visual_->depth, InputOutput,
                            visual_->visual, CWColormap | CWBackPixel | CWBorderPixel | CWEventMask,
                            &attributes);
    ownWindow_ = true;
    watchedWindow = window_;
    XStoreName(display_, window_, WINDOW_TITLE);
    // The user's size, and position when given, as -geometry asks for them:
    // a window manager otherwise places the window where it likes.
    XSizeHints hints = {};
    hints.flags = USSize | (geometry.placed ? USPosition : 0);
    hints.x = geometry.x;
    hints.y = geometry.y;
    hints.width = width;
    hints.height = height;
    XSetWMNormalHints(display_, window_, &hints);
    deleteWindow_ = XInternAtom(display_, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display_, window_, &deleteWindow_, 1);
    if (fullScreen) {
        // Asked before mapping, as the window manager reads it then.
        Atom state = XInternAtom(display_, "_NET_WM_STATE", False);
        Atom full = XInternAtom(display_, "_NET_WM_STATE_FULLSCREEN", False);
        XChangeProperty(display_, window_, state, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&full), 1);
    }
    return {X11WindowStatus::Ready, width, height};
}

X11WindowResult XlibShellPort::useGivenWindow(unsigned long windowId) {
    return useExistingWindow(static_cast<Window>(windowId));
}

X11WindowResult XlibShellPort::useRootWindow() {
    return useExistingWindow(DefaultRootWindow(display_));
}

X11WindowResult XlibShellPort::useExistingWindow(Window window) {
    XWindowAttributes attributes = {};
    if (window == 0 || !XGetWindowAttributes(display_, window, &attributes))
        return {X11WindowStatus::NoSuchWindow, 0, 0};
    XVisualInfo wanted = {};
    wanted.visualid = XVisualIDFromVisual(attributes.visual);
    wanted.screen = XScreenNumberOfScreen(attributes.screen);
    int found = 0;
    visual_ = XGetVisualInfo(display_, VisualIDMask | VisualScreenMask, &wanted, &found);
    if (visual_ == nullptr || !hasGl(display_, visual_, doubleBuffered_))
        return {X11WindowStatus::NoGlVisual, 0, 0};
    window_ = window;
    watchedWindow = window_;
    // Its size, its mapping and its end; the keys stay with its owner.
    XSelectInput(display_, window_, StructureNotifyMask);
    return {X11WindowStatus::Ready, attributes.width, attributes.height};
}

bool XlibShellPort::createGlContext() {
    context_ = glXCreateContext(display_, visual_, nullptr, True);
    if (context_ == nullptr)
        context_ = glXCreateContext(display_, visual_, nullptr, False);
    if (context_ == nullptr)
        return false;
    const bool current = glXMakeCurrent(display_, window_, context_);
    XSync(display_, False);
    return current && !windowGone;
}

void XlibShellPort::showWindow() {
    XMapRaised(display_, window_);
}

void XlibShellPort::resizeView(int32_t width, int32_t height) {
    kestro::resizeView(width, height);
}

uint64_t XlibShellPort::clockMicroseconds() {
    timespec now = {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<uint64_t>(now.tv_sec) * MICROSECONDS_PER_SECOND_X11 +
           static_cast<uint64_t>(now.tv_nsec) / NANOSECONDS_PER_MICROSECOND;
}

bool XlibShellPort::takeEvent(X11Event& event) {
    if (XPending(display_) == 0)
        return false;
    XEvent taken;
    XNextEvent(display_, &taken);
    event = translate(taken);
    return true;
}

X11Event XlibShellPort::translate(const XEvent& taken) const {
    X11Event event;
    switch (taken.type) {
    case KeyPress:
    case KeyRelease: {
        XKeyEvent key = taken.xkey;
        event.kind = taken.type == KeyPress ? X11EventKind::KeyDown : X11EventKind::KeyUp;
        event.keysym = XLookupKeysym(&key, 0);
        break;
    }
    case ConfigureNotify:
        if (taken.xconfigure.window == window_) {
            event.kind = X11EventKind::Resized;
            event.width = taken.xconfigure.width;
            event.height = taken.xconfigure.height;
        }
        break;
    case MapNotify:
        if (taken.xmap.window == window_)
            event.kind = X11EventKind::Mapped;
        break;
    case UnmapNotify:
        if (taken.xunmap.window == window_)
            event.kind = X11EventKind::Unmapped;
        break;
    case ClientMessage:
        if (static_cast<Atom>(taken.xclient.data.l[0]) == deleteWindow_ && deleteWindow_ != 0)
            event.kind = X11EventKind::CloseRequested;
        break;
    case DestroyNotify:
        if (taken.xdestroywindow.window == window_)
            event.kind = X11EventKind::Destroyed;
        break;
    default:
        break;
    }
    return event;
}

void XlibShellPort::waitForEvent(int64_t timeoutMicroseconds) {
    // Events already read from the connection would never wake the poll.
    if (XPending(display_) > 0)
        return;
    pollfd connection = {ConnectionNumber(display_), POLLIN, 0};
    timespec timeout = {};
    timeout.tv_sec = static_cast<time_t>(timeoutMicroseconds / 1000000);
    timeout.tv_nsec = static_cast<long>(timeoutMicroseconds % 1000000) * 1000;
    // The quit signals are let through only here: one that came while
    // drawing is taken now, and one that comes during the wait ends it.
    ppoll(&connection, 1, timeoutMicroseconds < 0 ? nullptr : &timeout, &waitMask_);
}

bool XlibShellPort::quitSignalled() {
    if (quitSignal)
        return true;
    sigset_t pending;
    sigemptyset(&pending);
    sigpending(&pending);
    return sigismember(&pending, SIGTERM) == 1 || sigismember(&pending, SIGINT) == 1;
}

bool XlibShellPort::windowLost() {
    return windowGone != 0;
}

void XlibShellPort::swapBuffers() {
    if (doubleBuffered_)
        glXSwapBuffers(display_, window_);
    else
        glFlush();
}

void XlibShellPort::closeDisplay() {
    if (display_ == nullptr)
        return;
    if (context_ != nullptr) {
        glXMakeCurrent(display_, None, nullptr);
        glXDestroyContext(display_, context_);
        context_ = nullptr;
    }
    if (ownWindow_ && window_ != 0)
        XDestroyWindow(display_, window_);
    if (colormap_ != 0)
        XFreeColormap(display_, colormap_);
    if (visual_ != nullptr)
        XFree(visual_);
    watchedWindow = 0;
    window_ = 0;
    colormap_ = 0;
    visual_ = nullptr;
    XCloseDisplay(display_);
    display_ = nullptr;
}

void XlibShellPort::reportFailure(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
}

} // namespace kestro

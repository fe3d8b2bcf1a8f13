// The X11 backend's calls into Xlib, GLX and the process, one each.

#include "renderer/shell/x11_port_xlib.h"

#include <X11/Xatom.h>

#include <poll.h>
#include <unistd.h>

#include <cstdio>

#include "renderer/shell/view_projection.h"

namespace kestro {

namespace {

constexpr char WINDOW_TITLE[] = "Kestrovalinde";

// Set by the X error handler when an error names the window we draw on
// (BadWindow, BadDrawable or GLX's own, once it is destroyed under us).
volatile sig_atomic_t windowGone = 0;
// The window the error handler watches for.
Window watchedWindow = 0;

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

} // namespace

XlibPort::~XlibPort() {
    closeDisplay();
}

bool XlibPort::openDisplay(const std::string& displayName) {
    XSetErrorHandler(onXError);
    XSetIOErrorHandler(onXIoError);
    display_ = XOpenDisplay(displayName.empty() ? nullptr : displayName.c_str());
    return display_ != nullptr;
}

X11WindowResult XlibPort::createOwnWindow(const WindowGeometry& geometry, bool fullScreen) {
    const int32_t width = geometry.width;
    const int32_t height = geometry.height;
    const int screen = DefaultScreen(display_);
    visual_ = chooseOwnWindowVisual(display_, screen);
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

X11WindowResult XlibPort::useGivenWindow(unsigned long windowId) {
    return useExistingWindow(static_cast<Window>(windowId));
}

X11WindowResult XlibPort::useRootWindow() {
    return useExistingWindow(DefaultRootWindow(display_));
}

X11WindowResult XlibPort::useExistingWindow(Window window) {
    XWindowAttributes attributes = {};
    if (window == 0 || !XGetWindowAttributes(display_, window, &attributes))
        return {X11WindowStatus::NoSuchWindow, 0, 0};
    XVisualInfo wanted = {};
    wanted.visualid = XVisualIDFromVisual(attributes.visual);
    wanted.screen = XScreenNumberOfScreen(attributes.screen);
    int found = 0;
    visual_ = XGetVisualInfo(display_, VisualIDMask | VisualScreenMask, &wanted, &found);
    if (visual_ == nullptr || !visualHasGl(display_, visual_, doubleBuffered_))
        return {X11WindowStatus::NoGlVisual, 0, 0};
    window_ = window;
    watchedWindow = window_;
    // Its size, its mapping and its end; the keys stay with its owner.
    XSelectInput(display_, window_, StructureNotifyMask);
    return {X11WindowStatus::Ready, attributes.width, attributes.height};
}

bool XlibPort::createGlContext() {
    const bool current = context_.create(display_, visual_, window_);
    XSync(display_, False);
    return current && !windowGone;
}

void XlibPort::showWindow() {
    XMapRaised(display_, window_);
}

void XlibPort::resizeView(int32_t width, int32_t height) {
    kestro::resizeView(width, height);
}

uint64_t XlibPort::clockMicroseconds() {
    return monotonicMicroseconds();
}

bool XlibPort::takeEvent(X11Event& event) {
    if (XPending(display_) == 0)
        return false;
    XEvent taken;
    XNextEvent(display_, &taken);
    event = translate(taken);
    return true;
}

X11Event XlibPort::translate(const XEvent& taken) const {
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

void XlibPort::waitForEvent(int64_t timeoutMicroseconds) {
    // Events already read from the connection would never wake the poll.
    if (XPending(display_) > 0)
        return;
    pollfd connection = {ConnectionNumber(display_), POLLIN, 0};
    quitSignals_.waitReadable(&connection, 1, timeoutMicroseconds);
}

bool XlibPort::quitSignalled() {
    return quitSignals_.signalled();
}

bool XlibPort::windowLost() {
    return windowGone != 0;
}

void XlibPort::swapBuffers() {
    context_.present(doubleBuffered_);
}

void XlibPort::closeWindow() {
    if (display_ == nullptr)
        return;
    context_.destroy();
    if (ownWindow_ && window_ != 0)
        XDestroyWindow(display_, window_);
    if (colormap_ != 0)
        XFreeColormap(display_, colormap_);
    if (visual_ != nullptr)
        XFree(visual_);
    watchedWindow = 0;
    window_ = 0;
    ownWindow_ = false;
    colormap_ = 0;
    visual_ = nullptr;
}

void XlibPort::closeDisplay() {
    if (display_ == nullptr)
        return;
    closeWindow();
    XCloseDisplay(display_);
    display_ = nullptr;
}

void XlibPort::reportFailure(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
}

} // namespace kestro

// A window for the native module's end-to-end tests, and the window
// manager's requests to it, on the X display in DISPLAY.
//
//   x11_test_window make WIDTH HEIGHT   makes and shows a plain top-level
//                                       window, prints its id (0x hex) and
//                                       keeps it until ended by a signal
//                                       or until the window is destroyed
//   x11_test_window close ID            asks window ID to close, as a window
//                                       manager's close button does
//                                       (WM_DELETE_WINDOW)
//   x11_test_window destroy ID          destroys window ID under its user
//   x11_test_window shoot ID FILE       writes what window ID shows to FILE
//                                       as a binary PPM picture; quicker
//                                       than a screenshot tool on a busy
//                                       machine
// Exit status 0 when done, 1 when the display or the window is not there,
// 2 for a bad command line.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int USAGE = 2;
constexpr int FAILED = 1;

bool windowExists = true;

int noteMissingWindow(Display*, XErrorEvent* error) {
    if (error->error_code == BadWindow)
        windowExists = false;
    return 0;
}

int make(Display* display, int width, int height) {
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(
        display, RootWindow(display, screen), 0, 0, static_cast<unsigned>(width),
        static_cast<unsigned>(height), 0, BlackPixel(display, screen), BlackPixel(display, screen));
    XStoreName(display, window, "x11_test_window");
    XSelectInput(display, window, StructureNotifyMask);
    XMapWindow(display, window);
    for (XEvent event;;) {
        XNextEvent(display, &event);
        if (event.type == MapNotify)
            break;
    }
    std::printf("0x%lx\n", window);
    std::fflush(stdout);
    // Kept until a signal ends the program (the window goes with the
    // connection) or someone destroys the window.
    for (XEvent event;;) {
        XNextEvent(display, &event);
        if (event.type == DestroyNotify && event.xdestroywindow.window == window)
            return 0;
    }
}

int sendClose(Display* display, Window window) {
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    return windowExists ? 0 : FAILED;
}

int destroy(Display* display, Window window) {
    XDestroyWindow(display, window);
    XSync(display, False);
    return windowExists ? 0 : FAILED;
}

// The colour of a pixel in a TrueColor image: each channel scaled to 0-255.
uint8_t channel(unsigned long pixel, unsigned long mask) {
    if (mask == 0)
        return 0;
    int shift = 0;
    while (((mask >> shift) & 1UL) == 0)
        ++shift;
    const unsigned long top = mask >> shift;
    return static_cast<uint8_t>(((pixel & mask) >> shift) * 255UL / top);
}

int shoot(Display* display, Window window, const char* path) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || !windowExists)
        return FAILED;
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr)
        return FAILED;
    std::FILE* out = std::fopen(path, "wb");
    bool written = out != nullptr;
    if (written) {
        std::fprintf(out, "P6\n%d %d\n255\n", attributes.width, attributes.height);
        std::vector<uint8_t> row(static_cast<size_t>(attributes.width) * 3);
        for (int y = 0; y < attributes.height && written; ++y) {
            for (int x = 0; x < attributes.width; ++x) {
                const unsigned long pixel = XGetPixel(image, x, y);
                row[x * 3] = channel(pixel, image->red_mask);
                row[x * 3 + 1] = channel(pixel, image->green_mask);
                row[x * 3 + 2] = channel(pixel, image->blue_mask);
            }
            written = std::fwrite(row.data(), 1, row.size(), out) == row.size();
        }
        written = std::fclose(out) == 0 && written;
    }
    XDestroyImage(image);
    return written ? 0 : FAILED;
}

bool parseNumber(const char* text, unsigned long& value) {
    char* end = nullptr;
    value = std::strtoul(text, &end, 0);
    return end != text && *end == '\0' && value > 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string verb = argc > 1 ? argv[1] : "";
    unsigned long first = 0;
    unsigned long second = 0;
    const bool makeLine =
        verb == "make" && argc == 4 && parseNumber(argv[2], first) && parseNumber(argv[3], second);
    const bool windowLine =
        (verb == "close" || verb == "destroy") && argc == 3 && parseNumber(argv[2], first);
    const bool shootLine = verb == "shoot" && argc == 4 && parseNumber(argv[2], first);
    if (!makeLine && !windowLine && !shootLine) {
        std::fprintf(stderr, "usage: x11_test_window make WIDTH HEIGHT | close ID | destroy ID"
                             " | shoot ID FILE\n");
        return USAGE;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "x11_test_window: cannot open display\n");
        return FAILED;
    }
    XSetErrorHandler(noteMissingWindow);
    if (makeLine)
        return make(display, static_cast<int>(first), static_cast<int>(second));
    const Window window = static_cast<Window>(first);
    if (shootLine)
        return shoot(display, window, argv[3]);
    return verb == "close" ? sendClose(display, window) : destroy(display, window);
}

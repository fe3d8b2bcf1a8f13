// The end-to-end tests' view into Wine: finds top-level windows by exact
// title, as the host does (FindWindowA), and reports or pokes at them. Hidden
// windows have no X window, so xdotool cannot see them.
//
//   window_probe wait TITLE MS [HANDLE]  prints the handle once a window has
//                                        the title (one other than HANDLE)
//   window_probe gone TITLE MS           succeeds once no window has it
//   window_probe close TITLE             posts WM_CLOSE
//   window_probe post TITLE MESSAGE      posts MESSAGE (a number), no parameters
//   window_probe geometry TITLE          window LEFT TOP RIGHT BOTTOM
//                                        client X Y WIDTH HEIGHT (on the screen)
//                                        screen WIDTH HEIGHT
//   window_probe state TITLE             topmost popup foreground cursor, each
//                                        0 or 1 (cursor: the pointer shows,
//                                        as the foreground window left it)
//   window_probe mode -                  the display mode: WIDTH HEIGHT BITS
//   window_probe texts TITLE             one line per child window:
//                                        CLASS ENABLED(0|1) TEXT-AS-HEX-BYTES
//   window_probe wtexts TITLE            the same, the title and texts read
//                                        through the wide calls, printed as UTF-8
//   window_probe rects TITLE             one line per child window:
//                                        CLASS LEFT TOP RIGHT BOTTOM (in the
//                                        window's client area)
//   window_probe hold TITLE MS           keeps a hidden window with the title
//
// Exit status 0 on success, 10 when the time ran out or no window was found,
// 2 for a wrong command line. Any other status is Wine's, not an answer: the
// probe did not run to its end (Wine's loader fails with 1, a crash ends
// with the exception's low byte).

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr DWORD POLL_MS = 20;
constexpr int ANSWER_YES = 0;
constexpr int ANSWER_NO = 10;
constexpr int WRONG_COMMAND_LINE = 2;
constexpr UINT TEXT_REPLY_MS = 2000;
constexpr int TEXT_CAPACITY = 1024;

unsigned long long handleValue(HWND window) {
    return static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window));
}

DWORD milliseconds(const char* text) {
    return static_cast<DWORD>(std::strtoul(text, nullptr, 10));
}

template <typename Done> bool pollUntil(DWORD timeoutMs, Done done) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (done())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(POLL_MS);
    }
}

int waitFor(const char* title, DWORD timeoutMs, unsigned long long other) {
    HWND found = nullptr;
    const bool appeared = pollUntil(timeoutMs, [&] {
        found = FindWindowA(nullptr, title);
        return found != nullptr && handleValue(found) != other;
    });
    if (!appeared)
        return ANSWER_NO;
    std::printf("%llu\n", handleValue(found));
    return ANSWER_YES;
}

int waitGone(const char* title, DWORD timeoutMs) {
    const bool gone = pollUntil(timeoutMs, [&] { return FindWindowA(nullptr, title) == nullptr; });
    return gone ? ANSWER_YES : ANSWER_NO;
}

int post(const char* title, UINT message) {
    HWND window = FindWindowA(nullptr, title);
    return window != nullptr && PostMessageA(window, message, 0, 0) ? ANSWER_YES : ANSWER_NO;
}

int geometry(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    RECT outer{};
    RECT client{};
    POINT origin{0, 0};
    if (window == nullptr || !GetWindowRect(window, &outer) || !GetClientRect(window, &client) ||
        !ClientToScreen(window, &origin))
        return ANSWER_NO;
    std::printf("window %ld %ld %ld %ld\n", outer.left, outer.top, outer.right, outer.bottom);
    std::printf("client %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    std::printf("screen %d %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return ANSWER_YES;
}

int state(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    if (window == nullptr)
        return ANSWER_NO;
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
    CURSORINFO cursor{};
    cursor.cbSize = sizeof cursor;
    const bool showing =
        GetCursorInfo(&cursor) && (cursor.flags & CURSOR_SHOWING) && cursor.hCursor != nullptr;
    std::printf("%d %d %d %d\n", (exStyle & WS_EX_TOPMOST) ? 1 : 0, (style & WS_POPUP) ? 1 : 0,
                GetForegroundWindow() == window ? 1 : 0, showing ? 1 : 0);
    return ANSWER_YES;
}

int displayMode() {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode))
        return ANSWER_NO;
    std::printf("%lu %lu %lu\n", mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel);
    return ANSWER_YES;
}

BOOL CALLBACK printChild(HWND child, LPARAM) {
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    // GetWindowText reads only captions across processes; WM_GETTEXT asks the
    // control itself (a combo box answers with its edit text).
    char text[TEXT_CAPACITY] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, TEXT_REPLY_MS, &length))
        length = 0;
    std::printf("%s %d ", className, IsWindowEnabled(child) ? 1 : 0);
    for (DWORD_PTR i = 0; i < length && i < sizeof text; ++i)
        std::printf("%02X", static_cast<unsigned char>(text[i]));
    std::printf("\n");
    return TRUE;
}

// The same through the wide calls: what the user reads, whatever the code page.
BOOL CALLBACK printChildWide(HWND child, LPARAM) {
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    wchar_t text[TEXT_CAPACITY] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(child, WM_GETTEXT, TEXT_CAPACITY, reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, TEXT_REPLY_MS, &length))
        length = 0;
    char utf8[TEXT_CAPACITY * 3] = {};
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), utf8,
                                          sizeof utf8, nullptr, nullptr);
    std::printf("%s %d ", className, IsWindowEnabled(child) ? 1 : 0);
    for (int i = 0; i < bytes; ++i)
        std::printf("%02X", static_cast<unsigned char>(utf8[i]));
    std::printf("\n");
    return TRUE;
}

int texts(HWND window, WNDENUMPROC print) {
    if (window == nullptr)
        return ANSWER_NO;
    EnumChildWindows(window, print, 0);
    return ANSWER_YES;
}

// The window whose title is the second argument, read as the wide command
// line has it: a title the ANSI code page cannot hold is still found.
HWND findByWideTitle() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    HWND window = arguments && count > 2 ? FindWindowW(nullptr, arguments[2]) : nullptr;
    LocalFree(arguments);
    return window;
}

BOOL CALLBACK printChildRect(HWND child, LPARAM parent) {
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    RECT area{};
    GetWindowRect(child, &area);
    MapWindowPoints(nullptr, reinterpret_cast<HWND>(parent), reinterpret_cast<POINT*>(&area), 2);
    std::printf("%s %ld %ld %ld %ld\n", className, area.left, area.top, area.right, area.bottom);
    return TRUE;
}

int rects(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    if (window == nullptr)
        return ANSWER_NO;
    EnumChildWindows(window, printChildRect, reinterpret_cast<LPARAM>(window));
    return ANSWER_YES;
}

int hold(const char* title, DWORD ms) {
    HWND window = CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr)
        return ANSWER_NO;
    SetTimer(window, 1, ms, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER)
            break;
        DispatchMessageA(&message);
    }
    DestroyWindow(window);
    return ANSWER_YES;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return WRONG_COMMAND_LINE;
    const char* verb = argv[1];
    const char* title = argv[2];
    const auto is = [&](const char* name, int argumentCount) {
        return std::strcmp(verb, name) == 0 && argc == argumentCount;
    };
    if (is("wait", 4))
        return waitFor(title, milliseconds(argv[3]), 0);
    if (is("wait", 5))
        return waitFor(title, milliseconds(argv[3]), std::strtoull(argv[4], nullptr, 10));
    if (is("gone", 4))
        return waitGone(title, milliseconds(argv[3]));
    if (is("close", 3))
        return post(title, WM_CLOSE);
    if (is("post", 4))
        return post(title, static_cast<UINT>(std::strtoul(argv[3], nullptr, 10)));
    if (is("geometry", 3))
        return geometry(title);
    if (is("mode", 3))
        return displayMode();
    if (is("state", 3))
        return state(title);
    if (is("texts", 3))
        return texts(FindWindowA(nullptr, title), printChild);
    if (is("wtexts", 3))
        return texts(findByWideTitle(), printChildWide);
    if (is("rects", 3))
        return rects(title);
    if (is("hold", 4))
        return hold(title, milliseconds(argv[3]));
    return WRONG_COMMAND_LINE;
}

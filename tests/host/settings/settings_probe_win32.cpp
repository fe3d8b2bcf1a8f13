// Reports what the end-to-end tests cannot see from X about a window of the
// host, found by its title:
//
//     settings_probe.exe <title>
//
//     window <left> <top> <right> <bottom>      outer rectangle, screen pixels
//     client <x> <y> <width> <height>           client area on the screen
//     screen <width> <height>
//     combo <enabled 0|1> <text>                the first combo box inside it
//
// Exits with 1 when no such window exists.

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

BOOL CALLBACK findCombo(HWND child, LPARAM found) {
    char className[64] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "ComboBox") == 0) {
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
    }
    return TRUE;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    HWND window = FindWindowA(nullptr, argv[1]);
    if (!window)
        return 1;

    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::printf("window %ld %ld %ld %ld\n", outer.left, outer.top, outer.right, outer.bottom);
    std::printf("client %ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
    std::printf("screen %d %d\n", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));

    HWND combo = nullptr;
    EnumChildWindows(window, findCombo, reinterpret_cast<LPARAM>(&combo));
    if (combo) {
        // GetWindowText only reads the caption of another process's window.
        char text[256] = {};
        SendMessageA(combo, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        std::printf("combo %d %s\n", IsWindowEnabled(combo) ? 1 : 0, text);
    }
    return 0;
}

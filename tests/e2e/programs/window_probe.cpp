// A small Windows tool for the end-to-end scripts: finds, inspects, closes or
// holds top-level windows by exact title.
//
//   window_probe find  <title> <timeout-ms>  prints the handle; exit 1 if none appears
//   window_probe gone  <title> <timeout-ms>  exit 0 once no such window exists
//   window_probe texts <title>               hex bytes of each child window's text
//   window_probe close <title>               posts WM_CLOSE
//   window_probe hold  <title> <ms>          keeps a hidden window with that title
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr DWORD POLL_MS = 50;

HWND waitForWindow(const char* title, DWORD timeoutMs, bool present) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND found = FindWindowA(nullptr, title);
        if ((found != nullptr) == present) return found ? found : HWND(1);
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(POLL_MS);
    }
}

BOOL CALLBACK printChildText(HWND child, LPARAM) {
    char text[1024] = {};
    const int length = GetWindowTextA(child, text, sizeof text);
    for (int i = 0; i < length; ++i) std::printf("%02X", static_cast<unsigned char>(text[i]));
    std::printf("\n");
    return TRUE;
}

int hold(const char* title, DWORD ms) {
    HWND window = CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window) return 1;
    SetTimer(window, 1, ms, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER) break;
        DispatchMessageA(&message);
    }
    DestroyWindow(window);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const char* command = argv[1];
    const char* title = argv[2];
    const DWORD number = argc > 3 ? static_cast<DWORD>(std::strtoul(argv[3], nullptr, 10)) : 0;

    if (std::strcmp(command, "find") == 0) {
        HWND found = waitForWindow(title, number, true);
        if (!found) return 1;
        std::printf("%llu\n", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(found)));
        return 0;
    }
    if (std::strcmp(command, "gone") == 0) return waitForWindow(title, number, false) ? 0 : 1;
    if (std::strcmp(command, "texts") == 0) {
        HWND found = FindWindowA(nullptr, title);
        if (!found) return 1;
        EnumChildWindows(found, printChildText, 0);
        return 0;
    }
    if (std::strcmp(command, "close") == 0) {
        HWND found = FindWindowA(nullptr, title);
        return found && PostMessageA(found, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (std::strcmp(command, "hold") == 0) return hold(title, number);
    return 2;
}

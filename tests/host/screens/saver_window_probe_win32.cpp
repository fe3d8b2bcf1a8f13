// Looks for a top-level window by its exact title, as the host does, for
// the saver's end-to-end tests (a hidden window has no X window to find).
//   saver_window_probe exists <title>                 exit 0 when it exists
//   saver_window_probe wait <present|gone> <title> <timeout ms>
//                                                    exit 0 when it came to be so
//   saver_window_probe close <title>                  asks the window to close

#include <windows.h>

#include <cstdlib>
#include <cstring>

namespace {

constexpr DWORD POLL_MS = 20;

bool exists(const char* title) { return FindWindowA(nullptr, title) != nullptr; }

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "exists") == 0) return exists(argv[2]) ? 0 : 1;
    if (argc == 3 && std::strcmp(argv[1], "close") == 0) {
        HWND window = FindWindowA(nullptr, argv[2]);
        return window && PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    if (argc == 5 && std::strcmp(argv[1], "wait") == 0) {
        const bool wantPresent = std::strcmp(argv[2], "present") == 0;
        const DWORD timeout = static_cast<DWORD>(std::strtoul(argv[4], nullptr, 10));
        const DWORD started = GetTickCount();
        for (;;) {
            if (exists(argv[3]) == wantPresent) return 0;
            if (GetTickCount() - started >= timeout) return 1;
            Sleep(POLL_MS);
        }
    }
    return 2;
}

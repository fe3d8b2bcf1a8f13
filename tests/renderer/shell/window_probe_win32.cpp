// A small Windows console program for the end-to-end scripts: it finds a
// top-level window by its title the way the host does, posts messages to
// it and reports its geometry.
//
//   window_probe wait TITLE MS         print the handle once the window exists
//   window_probe wait-other TITLE HANDLE MS
//                                      ... once a window other than HANDLE has it
//   window_probe gone TITLE MS         succeed once no window has the title
//   window_probe post TITLE MESSAGE    post MESSAGE (number) with no parameters
//   window_probe geometry TITLE        "x y width height clientWidth clientHeight"
// Exit status 0 on success, 1 when the time ran out or no window was found.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr DWORD POLL_MS = 50;

HWND findTitled(const char* title) {
    return FindWindowA(nullptr, title);
}

unsigned long long handleValue(HWND window) {
    return static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window));
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

int waitFor(const char* title, unsigned long long other, DWORD timeoutMs) {
    HWND found = nullptr;
    const bool appeared = pollUntil(timeoutMs, [&] {
        found = findTitled(title);
        return found != nullptr && handleValue(found) != other;
    });
    if (!appeared)
        return 1;
    std::printf("%llu\n", handleValue(found));
    return 0;
}

int geometry(const char* title) {
    HWND window = findTitled(title);
    if (window == nullptr)
        return 1;
    RECT outer;
    RECT client;
    if (!GetWindowRect(window, &outer) || !GetClientRect(window, &client))
        return 1;
    std::printf("%ld %ld %ld %ld %ld %ld\n", outer.left, outer.top, outer.right - outer.left,
                outer.bottom - outer.top, client.right - client.left, client.bottom - client.top);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    const char* command = argv[1];
    const char* title = argv[2];
    if (std::strcmp(command, "wait") == 0 && argc == 4)
        return waitFor(title, 0, std::strtoul(argv[3], nullptr, 10));
    if (std::strcmp(command, "wait-other") == 0 && argc == 5)
        return waitFor(title, std::strtoull(argv[3], nullptr, 10),
                       std::strtoul(argv[4], nullptr, 10));
    if (std::strcmp(command, "gone") == 0 && argc == 4)
        return pollUntil(std::strtoul(argv[3], nullptr, 10),
                         [&] { return findTitled(title) == nullptr; })
                   ? 0
                   : 1;
    if (std::strcmp(command, "post") == 0 && argc == 4) {
        HWND window = findTitled(title);
        if (window == nullptr)
            return 1;
        const UINT message = static_cast<UINT>(std::strtoul(argv[3], nullptr, 10));
        return PostMessageA(window, message, 0, 0) ? 0 : 1;
    }
    if (std::strcmp(command, "geometry") == 0 && argc == 3)
        return geometry(title);
    return 2;
}

// A stand-in for the renderer in the saver's end-to-end tests: a window
// titled Kestrovalinde_VC that any key closes. Environment settings:
//   KESTRO_FAKE_RENDERER_DELAY_MS     wait this long before opening the window
//   KESTRO_FAKE_RENDERER_LIFETIME_MS  end after this long (default 60 s)
//   KESTRO_FAKE_RENDERER_LOG          append "module|command line" to this file

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/shared_names.h"

namespace {

using kestro::RENDERER_WINDOW_TITLE;
constexpr char WINDOW_CLASS[] = "KestroFakeRenderer";
constexpr UINT_PTR LIFETIME_TIMER = 1;
constexpr DWORD DEFAULT_LIFETIME_MS = 60000;
constexpr int WINDOW_WIDTH = 320;
constexpr int WINDOW_HEIGHT = 240;

DWORD environmentNumber(const char* name, DWORD fallback) {
    char text[32] = {};
    if (GetEnvironmentVariableA(name, text, sizeof text) == 0) return fallback;
    return static_cast<DWORD>(std::strtoul(text, nullptr, 10));
}

void logStart() {
    char logPath[MAX_PATH] = {};
    if (GetEnvironmentVariableA("KESTRO_FAKE_RENDERER_LOG", logPath, MAX_PATH) == 0) return;
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    if (std::FILE* log = std::fopen(logPath, "ab")) {
        std::fprintf(log, "%s|%s\n", module, GetCommandLineA());
        std::fclose(log);
    }
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
    case WM_TIMER:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showMode) {
    logStart();
    const DWORD started = GetTickCount();
    const DWORD lifetime = environmentNumber("KESTRO_FAKE_RENDERER_LIFETIME_MS", DEFAULT_LIFETIME_MS);
    const DWORD delay = environmentNumber("KESTRO_FAKE_RENDERER_DELAY_MS", 0);
    Sleep(delay < lifetime ? delay : lifetime);
    if (GetTickCount() - started >= lifetime) return 0;

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = WINDOW_CLASS;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, WINDOW_CLASS, RENDERER_WINDOW_TITLE, WS_POPUP, 0, 0,
                                  WINDOW_WIDTH, WINDOW_HEIGHT, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    SetTimer(window, LIFETIME_TIMER, lifetime - (GetTickCount() - started), nullptr);
    ShowWindow(window, showMode);
    SetForegroundWindow(window);
    SetFocus(window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

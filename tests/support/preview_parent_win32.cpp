// Stands in for the display settings' preview area in the end-to-end test:
// a window of a given client size whose handle the host gets with /p.
//
//     preview_parent.exe <width> <height> <report file>
//
// Writes "parent <handle>" and "origin <x> <y>" (the client area's screen
// position) to the report file, then, once the host's preview window is
// its child and shown, "child <handle> <left> <top> <width> <height>
// <visible> <style>". The host parents, places and then shows the window:
// a child that stays hidden is reported as it is after a few seconds. When
// a file named <report file>.quit appears it destroys its window and ends.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr char CLASS_NAME[] = "KestroPreviewArea";
constexpr char PREVIEW_TITLE[] = "Preview Window";
constexpr COLORREF AREA_COLOUR = RGB(255, 0, 255); // shows wherever the preview does not cover
constexpr int AREA_LEFT = 100;
constexpr int AREA_TOP = 80;
constexpr UINT_PTR POLL_TIMER = 1;
constexpr UINT POLL_MS = 100;
constexpr int GIVE_UP_POLLS = 600;  // one minute
constexpr int SHOW_WAIT_POLLS = 50; // five seconds

std::string reportPath;
bool childReported = false;
int polls = 0;
int pollsSinceChildFound = 0;

void appendReport(const std::string& line) {
    if (FILE* file = std::fopen(reportPath.c_str(), "a")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}

bool quitRequested() {
    const DWORD attributes = GetFileAttributesA((reportPath + ".quit").c_str());
    return attributes != INVALID_FILE_ATTRIBUTES;
}

void reportChild(HWND area) {
    HWND child = FindWindowExA(area, nullptr, nullptr, PREVIEW_TITLE);
    if (!child)
        return;
    const bool visible = IsWindowVisible(child) != FALSE;
    if (!visible && ++pollsSinceChildFound < SHOW_WAIT_POLLS)
        return;
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, area, reinterpret_cast<POINT*>(&rect), 2);
    char line[256];
    std::snprintf(line, sizeof line, "child %llu %ld %ld %ld %ld %d %08lx",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(child)), rect.left,
                  rect.top, rect.right - rect.left, rect.bottom - rect.top, visible ? 1 : 0,
                  static_cast<unsigned long>(GetWindowLongA(child, GWL_STYLE)));
    appendReport(line);
    childReported = true;
}

LRESULT CALLBACK areaProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (!childReported)
            reportChild(window);
        if (quitRequested() || ++polls > GIVE_UP_POLLS)
            DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: preview_parent <width> <height> <report file>\n");
        return 2;
    }
    const int width = std::atoi(argv[1]);
    const int height = std::atoi(argv[2]);
    reportPath = argv[3];

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = areaProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(AREA_COLOUR);
    windowClass.lpszClassName = CLASS_NAME;
    if (!RegisterClassA(&windowClass))
        return 1;
    HWND area = CreateWindowExA(0, CLASS_NAME, "preview area", WS_POPUP | WS_CLIPCHILDREN,
                                AREA_LEFT, AREA_TOP, width, height, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (!area)
        return 1;
    ShowWindow(area, SW_SHOWNOACTIVATE);
    UpdateWindow(area);

    POINT origin{0, 0};
    ClientToScreen(area, &origin);
    char line[128];
    std::snprintf(line, sizeof line, "parent %llu",
                  static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(area)));
    appendReport(line);
    std::snprintf(line, sizeof line, "origin %ld %ld", origin.x, origin.y);
    appendReport(line);

    SetTimer(area, POLL_TIMER, POLL_MS, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

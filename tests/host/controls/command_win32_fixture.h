#pragma once
// A visible top-level window to hold Command buttons in Wine tests, and the
// helpers that read their pixels back.

#include <windows.h>

#include "host/controls/command_win32.h"
#include "host/controls/skin_painter_win32.h"
#include "tests/support/memory_canvas_win32.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace kestro::testing {

constexpr int HOST_LEFT = 100;
constexpr int HOST_TOP = 100;
constexpr int HOST_WIDTH = 320;
constexpr int HOST_HEIGHT = 160;

// 0xRRGGBB of a device context's pixel.
inline uint32_t rgbAt(HDC dc, int x, int y) {
    const COLORREF c = GetPixel(dc, x, y);
    return (uint32_t{GetRValue(c)} << 16) | (uint32_t{GetGValue(c)} << 8) | GetBValue(c);
}

inline int channel(uint32_t rgb, int shift) {
    return static_cast<int>((rgb >> shift) & 0xFF);
}

inline bool closeTo(uint32_t a, uint32_t b, int tolerance) {
    for (int shift : {16, 8, 0}) {
        if (std::abs(channel(a, shift) - channel(b, shift)) > tolerance)
            return false;
    }
    return true;
}

// Runs the thread's messages for about `ms` milliseconds.
inline void pumpMessages(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT)
                continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    } while (GetTickCount() - start < ms);
}

// Runs the thread's messages until `done` holds, for at most `limitMs`.
template <typename Done> bool pumpUntil(Done done, DWORD limitMs = 2000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > limitMs)
            return false;
        pumpMessages(10);
    }
    return true;
}

class HostWindow {
  public:
    HostWindow() {
        static const bool registered = [] {
            WNDCLASSEXA windowClass{};
            windowClass.cbSize = sizeof windowClass;
            windowClass.lpfnWndProc = DefWindowProcA;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
            windowClass.lpszClassName = "KestroCommandTestHost";
            return RegisterClassExA(&windowClass) != 0;
        }();
        if (registered) {
            hwnd_ = CreateWindowExA(0, "KestroCommandTestHost", "host", WS_POPUP | WS_VISIBLE,
                                    HOST_LEFT, HOST_TOP, HOST_WIDTH, HOST_HEIGHT, nullptr, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
            SetForegroundWindow(hwnd_);
            pumpMessages(20);
        }
    }
    ~HostWindow() {
        if (hwnd_)
            DestroyWindow(hwnd_);
    }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND hwnd() const { return hwnd_; }

  private:
    HWND hwnd_ = nullptr;
};

// One host window for the whole test program: Wine without a window manager
// spends about two seconds destroying a visible top-level window.
inline HWND sharedHostWindow() {
    static HostWindow* host = new HostWindow; // lives until the process ends
    SetFocus(host->hwnd());
    // Park the pointer on the form, clear of where the tests put buttons.
    SetCursorPos(HOST_LEFT + HOST_WIDTH - 5, HOST_TOP + HOST_HEIGHT - 5);
    pumpMessages(20);
    return host->hwnd();
}

inline FontDescription dialogFont() {
    // "ＭＳ Ｐゴシック" in code page 932.
    return {"\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e",
            9.75,
            FONT_WEIGHT_REGULAR,
            false,
            false,
            false,
            FONT_CHARSET_SHIFTJIS};
}

using MemoryImage = testing::MemoryCanvas;

// The pixels of one skin bitmap, as loaded from the program's resources.
class SkinPixels {
  public:
    explicit SkinPixels(Skin skin) {
        dc_ = CreateCompatibleDC(nullptr);
        previous_ = SelectObject(dc_, skinBitmap(skin));
    }
    ~SkinPixels() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    SkinPixels(const SkinPixels&) = delete;
    SkinPixels& operator=(const SkinPixels&) = delete;
    uint32_t at(int x, int y) const { return rgbAt(dc_, x, y); }

  private:
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

} // namespace kestro::testing

#include "host/forms/form_window_win32.h"

#include "common/window_owner_win32.h"
#include "host/forms/twips.h"

#include <algorithm>

namespace kestro {
namespace {

constexpr char FORM_CLASS_NAME[] = "KestrovalindeForm";
int loadedForms = 0;
UINT_PTR nextTimerId = 1;

bool registerFormClass(WNDPROC windowProc) {
    static const bool registered = [windowProc] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = windowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        windowClass.lpszClassName = FORM_CLASS_NAME;
        return RegisterClassExA(&windowClass) != 0;
    }();
    return registered;
}

int screenTwipsPerPixel(int capability) {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = screen ? GetDeviceCaps(screen, capability) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return twipsPerPixelForDpi(dotsPerInch);
}

} // namespace

FormWindow::~FormWindow() {
    if (hwnd_) {
        unbindWindowOwner(hwnd_);
        DestroyWindow(hwnd_);
    }
    if (backgroundBrush_)
        DeleteObject(backgroundBrush_);
}

bool FormWindow::create(const FormPlacement& placement) {
    if (hwnd_ || !registerFormClass(&FormWindow::windowProc))
        return false;
    backgroundBrush_ = CreateSolidBrush(placement.background);

    RECT outer{0, 0, placement.clientWidth, placement.clientHeight};
    AdjustWindowRectEx(&outer, placement.style, FALSE, placement.exStyle);
    HWND created = CreateWindowExA(placement.exStyle, FORM_CLASS_NAME, placement.title.c_str(),
                                   placement.style & ~WS_VISIBLE, placement.x, placement.y,
                                   outer.right - outer.left, outer.bottom - outer.top,
                                   placement.parent, nullptr, GetModuleHandleA(nullptr), this);
    if (!created)
        return false;
    for (FormTimer* timer : timers_)
        timer->arm();
    onLoad();
    return true;
}

void FormWindow::close() {
    if (hwnd_)
        SendMessageA(hwnd_, WM_CLOSE, 0, 0);
}

LRESULT CALLBACK FormWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = windowOwner<FormWindow>(hwnd, message, lParam);
    if (message == WM_NCCREATE) {
        form->hwnd_ = hwnd;
        ++loadedForms;
    }
    if (message == WM_NCDESTROY) {
        if (form)
            form->hwnd_ = nullptr;
        if (--loadedForms <= 0)
            PostQuitMessage(0);
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    if (!form)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    return form->handle(message, wParam, lParam);
}

LRESULT FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (onMessage(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_CLOSE:
        onClose();
        if (hwnd_)
            DestroyWindow(hwnd_);
        return 0;
    case WM_SIZE:
        onResize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd_, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, backgroundBrush_);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd_, &paint);
        onPaint(dc);
        EndPaint(hwnd_, &paint);
        return 0;
    }
    case WM_TIMER:
        for (FormTimer* timer : timers_) {
            if (timer->id_ == wParam && timer->enabled_) {
                timer->tick_();
                return 0;
            }
        }
        return 0;
    default:
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

FormTimer::FormTimer(FormWindow& owner, UINT intervalMs, std::function<void()> tick)
    : owner_(owner), id_(nextTimerId++), intervalMs_(intervalMs), tick_(std::move(tick)) {
    owner_.timers_.push_back(this);
}

FormTimer::~FormTimer() {
    setEnabled(false);
    auto& timers = owner_.timers_;
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
}

void FormTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    arm();
}

void FormTimer::arm() {
    if (!owner_.hwnd_)
        return;
    if (enabled_ && intervalMs_ > 0) {
        SetTimer(owner_.hwnd_, id_, intervalMs_, nullptr);
    } else {
        KillTimer(owner_.hwnd_, id_);
    }
}

int screenTwipsPerPixelX() {
    return screenTwipsPerPixel(LOGPIXELSX);
}
int screenTwipsPerPixelY() {
    return screenTwipsPerPixel(LOGPIXELSY);
}

int loadedFormCount() {
    return loadedForms;
}

int runFormsMessageLoop() {
    if (loadedForms <= 0)
        return 0;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}

void runModalLoop(HWND window) {
    MSG message;
    while (IsWindow(window)) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

} // namespace kestro

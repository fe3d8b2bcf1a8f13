#pragma once
// The host's small forms runtime: a top-level or child window with load,
// close, resize and paint handlers and its own timers. Forms are created
// hidden; the caller shows them. The process's message loop ends when the
// last loaded form is gone.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace kestro {

class FormTimer;

struct FormPlacement {
    std::string title; // ANSI, system code page
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int clientWidth = 0; // pixels; the outer size is derived from the style
    int clientHeight = 0;
    HWND parent = nullptr;
    COLORREF background = RGB(0, 0, 0);
};

class FormWindow {
  public:
    FormWindow() = default;
    virtual ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Creates the window hidden, then runs the load handler. False when the
    // window could not be created.
    bool create(const FormPlacement& placement);
    HWND hwnd() const { return hwnd_; }

    // Asks the form to close: runs the close handler, then destroys it.
    void close();

  protected:
    virtual void onLoad() {}
    virtual void onClose() {}
    virtual void onResize(int /*clientWidth*/, int /*clientHeight*/) {}
    virtual void onPaint(HDC /*dc*/) {}
    // Any other message; return true when handled, with the result set.
    virtual bool onMessage(UINT /*message*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }

  private:
    friend class FormTimer;
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    HBRUSH backgroundBrush_ = nullptr;
    std::vector<FormTimer*> timers_;
};

// A window timer of a form: an interval and an enabled state, like a
// designer-placed timer control.
class FormTimer {
  public:
    FormTimer(FormWindow& owner, UINT intervalMs, std::function<void()> tick);
    ~FormTimer();
    FormTimer(const FormTimer&) = delete;
    FormTimer& operator=(const FormTimer&) = delete;

    void setEnabled(bool enabled);
    bool enabled() const { return enabled_; }

  private:
    friend class FormWindow;
    void arm();

    FormWindow& owner_;
    UINT_PTR id_;
    const UINT intervalMs_;
    bool enabled_ = false;
    std::function<void()> tick_;
};

// Pixels per twip of the screen, horizontally and vertically.
int screenTwipsPerPixelX();
int screenTwipsPerPixelY();

// Runs the message loop until no form is loaded any more.
int runFormsMessageLoop();

// Runs the message loop until the window is gone: a form shown modally. A
// quit message that arrives meanwhile is posted again for the outer loop.
void runModalLoop(HWND window);

// Number of forms whose windows exist.
int loadedFormCount();

} // namespace kestro

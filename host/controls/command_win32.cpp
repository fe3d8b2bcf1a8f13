#include "host/controls/command_win32.h"

#include "common/window_owner_win32.h"
#include "host/controls/caption_label_win32.h"
#include "host/controls/command_logic.h"
#include "host/controls/skin_painter_win32.h"
#include "host/forms/form_window_win32.h"
#include "host/forms/twips.h"

namespace kestro {
namespace {

constexpr char COMMAND_CLASS_NAME[] = "KestrovalindeCommand";
constexpr UINT_PTR POINTER_POLL_TIMER_ID = 1;
MouseButton buttonOfMessage(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        return MouseButton::Left;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return MouseButton::Middle;
    default:
        return MouseButton::Other;
    }
}

constexpr WPARAM ANY_BUTTON_HELD = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_XBUTTON1 | MK_XBUTTON2;

} // namespace

// The control's window: its persistent image, the windowless caption drawn
// over it, the pointer-poll timer, and the system side of CommandLogic.
class CommandWindow final : public CommandEvents {
  public:
    explicit CommandWindow(Command& owner) : owner_(owner), logic_(*this) {}
    ~CommandWindow() override;

    bool create(HWND container, const TwipsRect& rect);
    CommandLogic& logic() { return logic_; }
    HWND hwnd() const { return hwnd_; }
    HDC image() const { return imageDc_; }

    // CommandEvents
    bool paintSkin(Skin skin, bool invertGradient) override;
    void captionChanged(const CaptionLabel& caption) override;
    void setBackgroundOpaque(bool opaque) override;
    void startPointerPoll(unsigned intervalMs) override;
    PointerPlace pointerPlace() override;
    void propertyChanged(std::string_view name) override;
    void raiseClick() override;

  private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void resizeImage(int widthPixels, int heightPixels);
    void releaseImage();
    void paintWindow();
    void refresh();
    void updateCaptionRegion();

    Command& owner_;
    CommandLogic logic_;
    HWND hwnd_ = nullptr;
    bool loaded_ = false; // handlers run only once the stored properties are in
    int twipsPerPixel_ = STANDARD_TWIPS_PER_PIXEL;
    int widthPixels_ = 0;
    int heightPixels_ = 0;
    HDC imageDc_ = nullptr;
    HBITMAP imageBitmap_ = nullptr;
    HGDIOBJ imagePrevious_ = nullptr;
    CaptionLabelView caption_;
    bool opaque_ = true;

    friend class Command;
};

CommandWindow::~CommandWindow() {
    if (hwnd_) {
        unbindWindowOwner(hwnd_);
        KillTimer(hwnd_, POINTER_POLL_TIMER_ID);
        DestroyWindow(hwnd_);
    }
    releaseImage();
}

bool CommandWindow::create(HWND container, const TwipsRect& rect) {
    static const bool registered = [] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        // No CS_DBLCLKS: a quick second press is a press like any other.
        windowClass.lpfnWndProc = &CommandWindow::windowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        windowClass.lpszClassName = COMMAND_CLASS_NAME;
        return RegisterClassExA(&windowClass) != 0;
    }();
    if (!registered || hwnd_)
        return false;

    twipsPerPixel_ = screenTwipsPerPixelX();
    const int twipsPerPixelY = screenTwipsPerPixelY();
    HWND created = CreateWindowExA(
        0, COMMAND_CLASS_NAME, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
        pixelsFromTwips(rect.left, twipsPerPixel_), pixelsFromTwips(rect.top, twipsPerPixelY),
        pixelsFromTwips(rect.width, twipsPerPixel_), pixelsFromTwips(rect.height, twipsPerPixelY),
        container, nullptr, GetModuleHandleA(nullptr), this);
    if (!created)
        return false;
    if (!imageDc_) {
        RECT client{};
        GetClientRect(created, &client);
        resizeImage(client.right, client.bottom);
    }
    return true;
}

LRESULT CALLBACK CommandWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* window = windowOwner<CommandWindow>(hwnd, message, lParam);
    if (message == WM_NCCREATE)
        window->hwnd_ = hwnd;
    if (!window)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The form tears its controls down with it; the C++ object may live on.
        KillTimer(hwnd, POINTER_POLL_TIMER_ID);
        unbindWindowOwner(hwnd);
        window->hwnd_ = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return window->handle(message, wParam, lParam);
}

LRESULT CommandWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        resizeImage(LOWORD(lParam), HIWORD(lParam));
        if (loaded_)
            logic_.onResize();
        return 0;
    case WM_ERASEBKGND:
        return 1; // the persistent image covers everything
    case WM_PAINT:
        paintWindow();
        return 0;
    case WM_MOUSEMOVE:
        if (loaded_)
            logic_.onPointerMove();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        // A left press focuses the button first, so its focus look comes
        // before the pressed one; every press keeps the pointer until the
        // last button is released, so a release outside still arrives here.
        if (message == WM_LBUTTONDOWN && GetFocus() != hwnd_)
            SetFocus(hwnd_);
        if (hwnd_ && GetCapture() != hwnd_)
            SetCapture(hwnd_);
        if (loaded_)
            logic_.onButtonDown(buttonOfMessage(message));
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if ((wParam & ANY_BUTTON_HELD) == 0 && GetCapture() == hwnd_)
            ReleaseCapture();
        // Click may close the form and destroy this window: nothing after it.
        if (loaded_)
            logic_.onButtonUp(buttonOfMessage(message));
        return 0;
    case WM_SETFOCUS:
        if (loaded_)
            logic_.onFocusGained();
        return 0;
    case WM_KILLFOCUS:
        if (loaded_)
            logic_.onFocusLost();
        return 0;
    case WM_TIMER:
        if (wParam == POINTER_POLL_TIMER_ID) {
            if (loaded_)
                logic_.onPointerPollTick();
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void CommandWindow::releaseImage() {
    if (imageDc_) {
        SelectObject(imageDc_, imagePrevious_);
        DeleteDC(imageDc_);
        imageDc_ = nullptr;
    }
    if (imageBitmap_) {
        DeleteObject(imageBitmap_);
        imageBitmap_ = nullptr;
    }
}

void CommandWindow::resizeImage(int widthPixels, int heightPixels) {
    // The persistent image follows the window's size, keeping what it shows.
    HDC newDc = CreateCompatibleDC(nullptr);
    if (!newDc)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = widthPixels > 0 ? widthPixels : 1;
    info.bmiHeader.biHeight = -(heightPixels > 0 ? heightPixels : 1); // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP newBitmap = CreateDIBSection(newDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!newBitmap) {
        DeleteDC(newDc);
        return;
    }
    HGDIOBJ previous = SelectObject(newDc, newBitmap);
    RECT whole{0, 0, info.bmiHeader.biWidth, -info.bmiHeader.biHeight};
    FillRect(newDc, &whole, GetSysColorBrush(COLOR_BTNFACE));
    if (imageDc_)
        BitBlt(newDc, 0, 0, widthPixels_, heightPixels_, imageDc_, 0, 0, SRCCOPY);
    releaseImage();
    imageDc_ = newDc;
    imageBitmap_ = newBitmap;
    imagePrevious_ = previous;
    widthPixels_ = widthPixels;
    heightPixels_ = heightPixels;
}

bool CommandWindow::paintSkin(Skin skin, bool invertGradient) {
    if (!imageDc_ || widthPixels_ <= 0 || heightPixels_ <= 0)
        return false;
    SkinPaintTarget target;
    target.image = imageDc_;
    target.widthPixels = widthPixels_;
    target.heightPixels = heightPixels_;
    target.twipsPerPixel = twipsPerPixel_;
    target.background = GetSysColor(COLOR_BTNFACE);
    SkinLayout layout;
    const bool painted = paintSkinImage(target, skin, invertGradient, layout);
    caption_.place(layout.caption);
    refresh();
    if (!opaque_)
        updateCaptionRegion();
    return painted;
}

void CommandWindow::captionChanged(const CaptionLabel& caption) {
    caption_.update(caption);
    if (!opaque_)
        updateCaptionRegion();
    refresh();
}

void CommandWindow::setBackgroundOpaque(bool opaque) {
    opaque_ = opaque;
    if (!hwnd_)
        return;
    if (opaque) {
        SetWindowRgn(hwnd_, nullptr, TRUE);
    } else {
        updateCaptionRegion();
    }
    refresh();
}

void CommandWindow::updateCaptionRegion() {
    // A transparent button shows nothing of its own surface but the caption
    // text: the window is cut down to the outline of the glyphs.
    if (!hwnd_ || opaque_)
        return;
    HRGN region = caption_.glyphRegion(hwnd_, logic_.caption());
    if (region && !SetWindowRgn(hwnd_, region, TRUE))
        DeleteObject(region);
}

void CommandWindow::refresh() {
    if (!hwnd_)
        return;
    InvalidateRect(hwnd_, nullptr, FALSE);
    UpdateWindow(hwnd_);
}

void CommandWindow::paintWindow() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    if (!dc)
        return;
    // Composed off screen so the caption never flickers over the skin.
    HDC frame = CreateCompatibleDC(dc);
    HBITMAP frameBitmap = frame ? CreateCompatibleBitmap(dc, widthPixels_, heightPixels_) : nullptr;
    if (frame && frameBitmap && imageDc_) {
        HGDIOBJ previous = SelectObject(frame, frameBitmap);
        if (opaque_) {
            BitBlt(frame, 0, 0, widthPixels_, heightPixels_, imageDc_, 0, 0, SRCCOPY);
            caption_.draw(frame, logic_.caption());
        } else {
            // Only the glyph outline is left of the window: fill it with the text colour.
            HBRUSH brush = CreateSolidBrush(CaptionLabelView::textColour(logic_.caption()));
            RECT whole{0, 0, widthPixels_, heightPixels_};
            if (brush) {
                FillRect(frame, &whole, brush);
                DeleteObject(brush);
            }
        }
        BitBlt(dc, 0, 0, widthPixels_, heightPixels_, frame, 0, 0, SRCCOPY);
        SelectObject(frame, previous);
    } else if (imageDc_) {
        BitBlt(dc, 0, 0, widthPixels_, heightPixels_, imageDc_, 0, 0, SRCCOPY);
    }
    if (frameBitmap)
        DeleteObject(frameBitmap);
    if (frame)
        DeleteDC(frame);
    EndPaint(hwnd_, &paint);
}

void CommandWindow::startPointerPoll(unsigned intervalMs) {
    if (hwnd_)
        SetTimer(hwnd_, POINTER_POLL_TIMER_ID, intervalMs, nullptr);
}

PointerPlace CommandWindow::pointerPlace() {
    POINT pointer{};
    if (!hwnd_ || !GetCursorPos(&pointer))
        return PointerPlace::Unknown;
    HWND under = WindowFromPoint(pointer);
    if (under == hwnd_)
        return PointerPlace::OwnWindow;
    if (under && under == GetAncestor(hwnd_, GA_ROOT))
        return PointerPlace::ParentForm;
    return PointerPlace::Elsewhere;
}

void CommandWindow::propertyChanged(std::string_view name) {
    if (owner_.PropertyChanged)
        owner_.PropertyChanged(name);
}

void CommandWindow::raiseClick() {
    if (owner_.Click)
        owner_.Click();
}

Command::Command() : window_(std::make_unique<CommandWindow>(*this)) {}
Command::~Command() = default;

bool Command::create(HWND container, const TwipsRect& rect, const PropertyBag& stored,
                     const FontDescription& ambientFont) {
    if (!window_->create(container, rect))
        return false;
    window_->logic().loadProperties(stored, ambientFont);
    window_->loaded_ = true;
    window_->logic().onResize(); // the first resize comes after the load
    return true;
}

HWND Command::hwnd() const {
    return window_->hwnd();
}
void Command::Initialize() {
    window_->logic().Initialize();
}
PropertyBag Command::saveProperties(const FontDescription& ambientFont) {
    return window_->logic().saveProperties(ambientFont);
}
int16_t Command::Enabled() {
    return window_->logic().readEnabled();
}
void Command::setEnabled(int16_t value) {
    window_->logic().writeEnabled(value);
}
std::string Command::Caption() const {
    return window_->logic().readCaption();
}
FontDescription Command::Font() const {
    return window_->logic().readFont();
}
void Command::setFont(const FontDescription& value) {
    window_->logic().writeFont(value);
}
uint32_t Command::FontColour() {
    return window_->logic().readFontColour();
}
void Command::setFontColour(uint32_t value) {
    window_->logic().writeFontColour(value);
}
uint8_t Command::Visible() {
    return window_->logic().readVisible();
}
void Command::setVisible(uint8_t value) {
    window_->logic().writeVisible(value);
}
ButtonState Command::CurrentState() const {
    return window_->logic().currentState();
}
HDC Command::persistentImage() const {
    return window_->image();
}

} // namespace kestro

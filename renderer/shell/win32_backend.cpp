// The making and unmaking of the renderer's OpenGL window, and its queue.
// Every step of a window's creation that can fail is undone in reverse
// order, so a failed creation leaves the system as it was, display mode and
// cursor included.

#include "renderer/shell/win32_backend.h"

#include "common/shared_names.h"
#include "renderer/shell/shell_core.h"

namespace kestro {

Win32Backend::Win32Backend(Win32Port& port, const RendererClass& rendererClass)
    : port_(port), rendererClass_(rendererClass), title_(RENDERER_WINDOW_TITLE) {}

int Win32Backend::start() {
    return port_.registerClass(rendererClass_) ? 0 : WIN32_EXIT_NO_CLASS;
}

void Win32Backend::stop() {
    port_.unregisterClass(rendererClass_);
}

OpenedPlace Win32Backend::open(bool fullScreen) {
    fullScreen_ = fullScreen;
    pending_.clear();
    const WindowFrame frame = chooseFrame();
    hwnd_ = port_.createWindow({rendererClass_, title_, SHOW_WIDTH, SHOW_HEIGHT, this}, frame);
    if (hwnd_ == nullptr) {
        if (fullScreen_)
            giveBackDisplay();
        return {};
    }
    if (!attachGlContext()) {
        undoCreation();
        return {};
    }
    coverOtherMonitors();
    port_.showWindow(hwnd_);
    return {true, SHOW_WIDTH, SHOW_HEIGHT, 0};
}

void Win32Backend::close() {
    if (hwnd_ != nullptr) {
        if (hdc_ != nullptr) {
            port_.makeCurrent(hdc_, nullptr);
            if (glContext_ != nullptr) {
                port_.deleteGlContext(glContext_);
                glContext_ = nullptr;
            }
            port_.releaseDeviceContext(hwnd_, hdc_);
            hdc_ = nullptr;
        }
        port_.destroyWindow(hwnd_);
        hwnd_ = nullptr;
    }
    // Before the display mode goes back, which may move the monitors.
    uncoverMonitors();
    if (fullScreen_)
        giveBackDisplay();
    pending_.clear();
}

bool Win32Backend::takeEvent(BackendEvent& event) {
    // Every message waiting is handled before the core hears that nothing
    // waits; the ones that meant something to it wait in the queue.
    while (pending_.empty()) {
        const TakenMessage taken = port_.takeMessage(hwnd_);
        if (taken == TakenMessage::None)
            return false;
        if (taken == TakenMessage::Quit)
            post(BackendEvent{BackendEventKind::CloseAsked});
    }
    event = pending_.front();
    pending_.pop_front();
    return true;
}

void Win32Backend::waitEvent(int64_t timeoutMicroseconds) {
    if (timeoutMicroseconds < 0)
        port_.waitMessage();
    else
        port_.waitMessageOrTimeout(static_cast<uint64_t>(timeoutMicroseconds));
}

void Win32Backend::resizeView(int32_t width, int32_t height) {
    port_.resizeView(width, height);
}

void Win32Backend::present() {
    port_.swapBuffers(hdc_);
}

uint64_t Win32Backend::clockMicroseconds() {
    return port_.clockMicroseconds();
}

WindowFrame Win32Backend::chooseFrame() {
    if (!fullScreen_)
        return WindowFrame::AdjustedOverlapped;
    if (port_.switchDisplayMode(SHOW_WIDTH, SHOW_HEIGHT, colourBits_)) {
        port_.showCursor(false);
        return WindowFrame::FullScreenPopup;
    }
    // The display refused the mode: a framed window of the same outer size,
    // with the cursor left visible.
    fullScreen_ = false;
    return WindowFrame::FallbackOverlapped;
}

bool Win32Backend::attachGlContext() {
    hdc_ = port_.getDeviceContext(hwnd_);
    if (hdc_ == nullptr)
        return false;
    const int format = port_.choosePixelFormat(hdc_, colourBits_);
    if (format == 0)
        return false;
    if (!port_.setPixelFormat(hdc_, format, colourBits_))
        return false;
    glContext_ = port_.createGlContext(hdc_);
    if (glContext_ == nullptr)
        return false;
    return port_.makeCurrent(hdc_, glContext_);
}

void Win32Backend::undoCreation() {
    if (glContext_ != nullptr) {
        port_.deleteGlContext(glContext_);
        glContext_ = nullptr;
    }
    if (hdc_ != nullptr) {
        port_.releaseDeviceContext(hwnd_, hdc_);
        hdc_ = nullptr;
    }
    port_.destroyWindow(hwnd_);
    hwnd_ = nullptr;
    if (fullScreen_)
        giveBackDisplay();
}

// Only called while full screen is in force, that is after the mode change
// worked.
void Win32Backend::giveBackDisplay() {
    port_.restoreDisplayMode();
    port_.showCursor(true);
}

void Win32Backend::coverOtherMonitors() {
    const std::vector<ScreenRect> monitors = port_.listMonitors();
    // One monitor is the common case: nothing more is asked of the system.
    if (monitors.size() < 2)
        return;
    for (const ScreenRect& area : coverRectangles(monitors, port_.monitorOf(hwnd_))) {
        const WindowHandle cover =
            port_.createCoverWindow(rendererClass_.instance, area, fullScreen_);
        if (cover != nullptr)
            covers_.push_back(cover);
    }
}

void Win32Backend::uncoverMonitors() {
    for (WindowHandle cover : covers_)
        port_.destroyCoverWindow(cover);
    covers_.clear();
}

} // namespace kestro

// The renderer's life, and the making and unmaking of its OpenGL window.
// Every step of a window's creation that can fail is undone in reverse
// order, so a failed creation leaves the system as it was, display mode and
// cursor included.

#include "renderer/shell/renderer_shell.h"

#include "common/shared_names.h"
#include "renderer/shell/render_loop.h"

namespace kestro {

RendererShell::RendererShell(ShellPort& port, const RendererClass& rendererClass, bool fullScreen)
    : port_(port), rendererClass_(rendererClass), title_(RENDERER_WINDOW_TITLE),
      fullScreen_(fullScreen), fullScreenRequest_(fullScreen) {}

int RendererShell::run(ShellEvents& events) {
    if (!port_.registerClass(rendererClass_))
        return -1;
    keepRunning_ = true;
    fullScreenRequest_ = fullScreen_;
    do {
        fullScreen_ = fullScreenRequest_;
        if (!createGlWindow()) {
            keepRunning_ = false;
            break;
        }
        if (events.initScene(keyTable_)) {
            // The time the new window took is not made up for.
            pacer_.restart(port_.clockMicroseconds());
            runMessageLoop(*this, events, pacer_, drawing_);
        } else {
            requestQuit();
        }
        destroyGlWindow();
    } while (keepRunning_);
    port_.unregisterClass(rendererClass_);
    return 0;
}

bool RendererShell::createGlWindow() {
    const WindowFrame frame = chooseFrame();
    hwnd_ = port_.createWindow({rendererClass_, title_, width_, height_, this}, frame);
    if (hwnd_ == nullptr) {
        if (fullScreen_)
            giveBackDisplay();
        return false;
    }
    if (!attachGlContext()) {
        undoCreation();
        return false;
    }
    coverOtherMonitors();
    port_.showWindow(hwnd_);
    drawing_ = true;
    port_.resizeView(width_, height_);
    keyTable_ = KeyTable{};
    return true;
}

void RendererShell::destroyGlWindow() {
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
}

void RendererShell::requestQuit() {
    port_.postQuit(hwnd_);
    keepRunning_ = false;
}

uint64_t RendererShell::clockMicroseconds() {
    return port_.clockMicroseconds();
}

TakenMessage RendererShell::takeMessage() {
    return port_.takeMessage(hwnd_);
}

void RendererShell::waitMessage() {
    port_.waitMessage();
}

void RendererShell::waitMessageOrTimeout(uint64_t timeoutMicroseconds) {
    port_.waitMessageOrTimeout(timeoutMicroseconds);
}

void RendererShell::presentFrame() {
    port_.swapBuffers(hdc_);
}

WindowFrame RendererShell::chooseFrame() {
    if (!fullScreen_)
        return WindowFrame::AdjustedOverlapped;
    if (port_.switchDisplayMode(width_, height_, colourBits_)) {
        port_.showCursor(false);
        return WindowFrame::FullScreenPopup;
    }
    // The display refused the mode: a framed window of the same outer size,
    // with the cursor left visible.
    fullScreen_ = false;
    return WindowFrame::FallbackOverlapped;
}

bool RendererShell::attachGlContext() {
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

void RendererShell::undoCreation() {
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
void RendererShell::giveBackDisplay() {
    port_.restoreDisplayMode();
    port_.showCursor(true);
}

void RendererShell::coverOtherMonitors() {
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

void RendererShell::uncoverMonitors() {
    for (WindowHandle cover : covers_)
        port_.destroyCoverWindow(cover);
    covers_.clear();
}

} // namespace kestro

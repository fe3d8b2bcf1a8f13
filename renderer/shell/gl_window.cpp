// Making and unmaking the renderer's OpenGL window. Every step that can
// fail is undone in reverse order, so a failed creation leaves the system
// as it was, display mode and cursor included.

#include <cstring>

#include "renderer/shell/monitor_cover.h"
#include "renderer/shell/renderer_window.h"
#include "renderer/shell/shell_port.h"

namespace kestro {

namespace {

// Only called while fullScreen is 1, that is after the mode change worked.
void giveBackDisplay(ShellPort& port) {
    port.restoreDisplayMode();
    port.showCursor(true);
}

WindowFrame chooseFrame(RendererWindow& window, ShellPort& port) {
    if (window.fullScreen != 1)
        return WindowFrame::AdjustedOverlapped;
    if (port.switchDisplayMode(window.width, window.height, window.colourBits)) {
        port.showCursor(false);
        return WindowFrame::FullScreenPopup;
    }
    // The display refused the mode: a framed window of the same outer size,
    // with the cursor left visible.
    window.fullScreen = 0;
    return WindowFrame::FallbackOverlapped;
}

bool attachGlContext(RendererWindow& window, ShellPort& port) {
    window.hdc = port.getDeviceContext(window.hwnd);
    if (window.hdc == nullptr)
        return false;
    const int format = port.choosePixelFormat(window.hdc, window.colourBits);
    if (format == 0)
        return false;
    if (!port.setPixelFormat(window.hdc, format, window.colourBits))
        return false;
    window.glContext = port.createGlContext(window.hdc);
    if (window.glContext == nullptr)
        return false;
    return port.makeCurrent(window.hdc, window.glContext);
}

void undoCreation(RendererWindow& window, ShellPort& port) {
    if (window.glContext != nullptr) {
        port.deleteGlContext(window.glContext);
        window.glContext = nullptr;
    }
    if (window.hdc != nullptr) {
        port.releaseDeviceContext(window.hwnd, window.hdc);
        window.hdc = nullptr;
    }
    port.destroyWindow(window.hwnd);
    window.hwnd = nullptr;
    if (window.fullScreen == 1)
        giveBackDisplay(port);
}

} // namespace

bool createGlWindow(RendererWindow* window) {
    ShellPort& port = *window->port;
    const WindowFrame frame = chooseFrame(*window, port);
    window->hwnd = port.createWindow(*window, frame);
    if (window->hwnd == nullptr) {
        if (window->fullScreen == 1)
            giveBackDisplay(port);
        return false;
    }
    if (!attachGlContext(*window, port)) {
        undoCreation(*window, port);
        return false;
    }
    coverOtherMonitors(*window);
    port.showWindow(window->hwnd);
    window->drawing = 1;
    port.resizeView(window->width, window->height);
    std::memset(window->keyTable->keys, 0, sizeof window->keyTable->keys);
    return true;
}

bool destroyGlWindow(RendererWindow* window) {
    ShellPort& port = *window->port;
    if (window->hwnd != nullptr) {
        if (window->hdc != nullptr) {
            port.makeCurrent(window->hdc, nullptr);
            if (window->glContext != nullptr) {
                port.deleteGlContext(window->glContext);
                window->glContext = nullptr;
            }
            port.releaseDeviceContext(window->hwnd, window->hdc);
            window->hdc = nullptr;
        }
        port.destroyWindow(window->hwnd);
        window->hwnd = nullptr;
    }
    // Before the display mode goes back, which may move the monitors.
    uncoverMonitors(*window);
    if (window->fullScreen != 0)
        giveBackDisplay(port);
    return true;
}

void requestQuit(RendererWindow* window) {
    if (window == nullptr)
        return;
    if (window->port != nullptr)
        window->port->postQuit(window->hwnd);
    window->keepRunning = 0;
}

} // namespace kestro

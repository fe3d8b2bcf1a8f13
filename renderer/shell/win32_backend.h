#pragma once
// The shell core's backend on Windows: the renderer's one window, made anew
// for each screen mode, with its OpenGL context, the display mode, the
// covers over the other monitors, and the window's messages turned into the
// core's events. Portable: the system is reached only through the
// Win32Port, so the order of calls can be tested without Windows.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "renderer/shell/win32_port.h"
#include "renderer/shell/window_backend.h"

namespace kestro {

constexpr int32_t RENDERER_COLOUR_BITS = 32;
// The run's status when the window class cannot be registered.
constexpr int WIN32_EXIT_NO_CLASS = -1;

class Win32Backend : public WindowBackend {
  public:
    Win32Backend(Win32Port& port, const RendererClass& rendererClass);
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    // Registers the class; WIN32_EXIT_NO_CLASS when it cannot be.
    int start() override;
    void stop() override;
    // A window at (0, 0) of the show's size with a current OpenGL context,
    // the other monitors covered. On failure everything made so far is
    // released again, the display mode and cursor included, and the run
    // ends with 0 as after a normal end.
    OpenedPlace open(bool fullScreen) override;
    // Releases context, device context, window and covers; gives back the
    // display mode and the cursor when the window was full screen.
    void close() override;
    bool takeEvent(BackendEvent& event) override;
    void waitEvent(int64_t timeoutMicroseconds) override;
    void resizeView(int32_t width, int32_t height) override;
    void present() override;
    uint64_t clockMicroseconds() override;

    // The window's answer to one message: true when handled (the window
    // procedure then returns 0), false to send it on to the default
    // procedure.
    bool handleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);

    WindowHandle window() const { return hwnd_; }
    DeviceContext deviceContext() const { return hdc_; }
    GlContext glContext() const { return glContext_; }
    bool fullScreen() const { return fullScreen_; }
    size_t coverCount() const { return covers_.size(); }

  private:
    WindowFrame chooseFrame();
    bool attachGlContext();
    void undoCreation();
    void giveBackDisplay();
    // Covers made before the window is shown, so that the shown window
    // comes out above covers that overlap it. Topmost over a full-screen
    // window, which is topmost itself; beside a framed window they stay at
    // its level, so they can never hide it. A cover the system refuses is
    // left out.
    void coverOtherMonitors();
    void uncoverMonitors();
    bool handleSize(uintptr_t sizeType, intptr_t lParam);
    bool handleKey(uintptr_t virtualKey, bool pressed);
    void post(const BackendEvent& event) { pending_.push_back(event); }

    Win32Port& port_;
    RendererClass rendererClass_;
    const char* title_;
    int32_t colourBits_ = RENDERER_COLOUR_BITS;
    WindowHandle hwnd_ = nullptr;
    DeviceContext hdc_ = nullptr;
    GlContext glContext_ = nullptr;
    // Full screen in force for this window.
    bool fullScreen_ = false;
    // The black windows over the other monitors while this window exists.
    std::vector<WindowHandle> covers_;
    // What the messages dispatched so far said, for the core to take.
    std::deque<BackendEvent> pending_;
};

} // namespace kestro

#pragma once
// The renderer's shell on Windows: its one window, made anew for each
// screen mode, with the keys, the loop flags, the covers over the other
// monitors and the step pacer, and the run that drives its owner's scene
// through them. Portable: the system is reached only through the ShellPort,
// so the order of calls can be tested without Windows.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "renderer/shell/key_table.h"
#include "renderer/shell/render_loop_port.h"
#include "renderer/shell/shell_events.h"
#include "renderer/shell/shell_port.h"
#include "renderer/shell/step_pacer.h"

namespace kestro {

constexpr int32_t RENDERER_WIDTH = 1024;
constexpr int32_t RENDERER_HEIGHT = 768;
constexpr int32_t RENDERER_COLOUR_BITS = 32;

class RendererShell : private RenderLoopPort {
  public:
    // Full screen is what the renderer asks for; tests may start framed.
    RendererShell(ShellPort& port, const RendererClass& rendererClass, bool fullScreen = true);
    RendererShell(const RendererShell&) = delete;
    RendererShell& operator=(const RendererShell&) = delete;

    // Registers the class, then creates the window, lets the owner set the
    // scene up and runs its steps until told to quit, destroys the window,
    // and goes round again while a screen-mode toggle asks for a new window.
    // 0 after a normal end, -1 when the class cannot be registered.
    int run(ShellEvents& events);

    // A window at (0, 0) of the renderer's size with a current OpenGL
    // context, the other monitors covered, the keys cleared. On failure
    // everything made so far is released again, the display mode and cursor
    // included, and the handles are null.
    bool createGlWindow();
    // Releases context, device context, window and covers; gives back the
    // display mode and the cursor when the window was full screen.
    void destroyGlWindow();

    // The window's answer to one message: true when handled (the window
    // procedure then returns 0), false to send it on to the default
    // procedure.
    bool handleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam);

    // Posts the quit message to the window and stops the outer loop from
    // creating another.
    void requestQuit();

    WindowHandle window() const { return hwnd_; }
    DeviceContext deviceContext() const { return hdc_; }
    GlContext glContext() const { return glContext_; }
    bool fullScreen() const { return fullScreen_; }
    bool fullScreenRequest() const { return fullScreenRequest_; }
    bool drawing() const { return drawing_; }
    bool keepRunning() const { return keepRunning_; }
    const KeyTable& keys() const { return keyTable_; }
    size_t coverCount() const { return covers_.size(); }

  private:
    // The paced loop's calls, answered for this window.
    uint64_t clockMicroseconds() override;
    TakenMessage takeMessage() override;
    void waitMessage() override;
    void waitMessageOrTimeout(uint64_t timeoutMicroseconds) override;
    void presentFrame() override;

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
    bool handleKey(uintptr_t virtualKey, int32_t held);

    ShellPort& port_;
    RendererClass rendererClass_;
    const char* title_;
    int32_t width_ = RENDERER_WIDTH;
    int32_t height_ = RENDERER_HEIGHT;
    int32_t colourBits_ = RENDERER_COLOUR_BITS;
    WindowHandle hwnd_ = nullptr;
    DeviceContext hdc_ = nullptr;
    GlContext glContext_ = nullptr;
    // Full screen in force for this window.
    bool fullScreen_;
    // False while minimised: no steps run.
    bool drawing_ = false;
    // True while the outer loop is to create the window again after its
    // message loop ends; cleared by requestQuit and by a failed window
    // creation.
    bool keepRunning_ = true;
    // The full-screen setting for the next window creation; flipped by the
    // screen-mode toggle message.
    bool fullScreenRequest_;
    KeyTable keyTable_{};
    // The black windows over the other monitors while this window exists.
    std::vector<WindowHandle> covers_;
    StepPacer pacer_;
};

} // namespace kestro

#pragma once
// The renderer's one window as the shell keeps it, and the steps that make
// and unmake it. Portable: the system is reached only through the window's
// ShellPort, so the order of calls can be tested without Windows.

#include <cstdint>
#include <vector>

#include "common/shared_names.h"
#include "renderer/scene/key_table.h"

namespace kestro {

class ShellPort;

// System handles, opaque to the portable code.
using ModuleInstance = void*;
using WindowHandle = void*;
using DeviceContext = void*;
using GlContext = void*;

constexpr int32_t RENDERER_WIDTH = 1024;
constexpr int32_t RENDERER_HEIGHT = 768;
constexpr int32_t RENDERER_COLOUR_BITS = 32;

struct RendererClass {
    ModuleInstance instance;
    const char* className;
};

struct RendererWindow {
    KeyTable* keyTable;
    WindowHandle hwnd;
    DeviceContext hdc;
    GlContext glContext;
    RendererClass* classInfo;
    const char* title;
    int32_t width;
    int32_t height;
    int32_t colourBits;
    int32_t fullScreen;
    int32_t drawing;
    // The system the window lives on; requestQuit and the window procedure
    // only get the window, so it carries the way back to the system.
    ShellPort* port;
    // The outer loop's flags live in the one window record, which the
    // window procedure and the scene's quit request reach.
    // 1 while the outer loop is to create the window again after its message
    // loop ends; cleared by requestQuit and by a failed window creation.
    int32_t keepRunning;
    // The full-screen setting for the next window creation; flipped by the
    // screen-mode toggle message.
    int32_t fullScreenRequest;
    // The black windows over the other monitors while this window exists.
    std::vector<WindowHandle> covers;
};

// A window at (0, 0) of the requested size with a current OpenGL context,
// the other monitors covered.
// On failure everything made so far is released again, the display mode
// and cursor included, and the handles are null.
bool createGlWindow(RendererWindow* window);
// Releases context, device context, window and covers; gives back the display mode
// and the cursor when the window was full screen. Always true.
bool destroyGlWindow(RendererWindow* window);

// Posts the quit message to the window and stops the outer loop from
// creating another. A null window is ignored.
void requestQuit(RendererWindow* window);

} // namespace kestro

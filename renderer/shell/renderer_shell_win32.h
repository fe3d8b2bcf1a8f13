#pragma once
// The Windows side of the renderer shell: the program entry, the window
// class and procedure, and the ShellPort over USER32, GDI32 and WGL.

#include <windows.h>

#include "renderer/shell/renderer_window.h"
#include "renderer/shell/shell_port.h"

namespace kestro {

// The program entry (WinMain form). Only the instance is used; the program
// reads no arguments. 0 after a normal end, -1 when the class cannot be
// registered.
int rendererMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine,
                 int showCommand);

bool registerRendererClass(const RendererClass& rendererClass);
LRESULT CALLBACK rendererWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// True when the display now runs width x height at bits per pixel.
bool switchDisplayMode(int32_t width, int32_t height, int32_t bits);

// The pixel format the renderer asks for: RGBA, double-buffered, the given
// colour depth and a 32-bit depth buffer, nothing else.
PIXELFORMATDESCRIPTOR rendererPixelFormat(int32_t colourBits);

class SystemShellPort : public ShellPort {
  public:
    bool registerClass(const RendererClass& rendererClass) override;
    void unregisterClass(const RendererClass& rendererClass) override;
    bool switchDisplayMode(int32_t width, int32_t height, int32_t bits) override;
    void restoreDisplayMode() override;
    void showCursor(bool visible) override;
    WindowHandle createWindow(RendererWindow& window, WindowFrame frame) override;
    DeviceContext getDeviceContext(WindowHandle window) override;
    int choosePixelFormat(DeviceContext dc, int32_t colourBits) override;
    bool setPixelFormat(DeviceContext dc, int format, int32_t colourBits) override;
    GlContext createGlContext(DeviceContext dc) override;
    bool makeCurrent(DeviceContext dc, GlContext context) override;
    void deleteGlContext(GlContext context) override;
    void releaseDeviceContext(WindowHandle window, DeviceContext dc) override;
    void destroyWindow(WindowHandle window) override;
    void showWindow(WindowHandle window) override;
    void resizeView(int32_t width, int32_t height) override;
    uint32_t tickCount() override;
    TakenMessage takeMessage(WindowHandle window) override;
    void waitMessage() override;
    void swapBuffers(DeviceContext dc) override;
    void postQuit(WindowHandle window) override;
};

} // namespace kestro

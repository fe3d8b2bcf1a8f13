#pragma once
// Win32Port over USER32, GDI32, WGL and the performance counter.

#include <windows.h>

#include "renderer/shell/win32_port.h"

namespace kestro {

class User32Port : public Win32Port {
  public:
    User32Port();
    ~User32Port() override;
    User32Port(const User32Port&) = delete;
    User32Port& operator=(const User32Port&) = delete;

    bool registerClass(const RendererClass& rendererClass) override;
    void unregisterClass(const RendererClass& rendererClass) override;
    bool switchDisplayMode(int32_t width, int32_t height, int32_t bits) override;
    void restoreDisplayMode() override;
    void showCursor(bool visible) override;
    WindowHandle createWindow(const WindowRequest& request, WindowFrame frame) override;
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
    std::vector<ScreenRect> listMonitors() override;
    ScreenRect monitorOf(WindowHandle window) override;
    WindowHandle createCoverWindow(ModuleInstance instance, const ScreenRect& area,
                                   bool topmost) override;
    void destroyCoverWindow(WindowHandle cover) override;
    uint64_t clockMicroseconds() override;
    TakenMessage takeMessage(WindowHandle window) override;
    void waitMessage() override;
    void waitMessageOrTimeout(uint64_t timeoutMicroseconds) override;
    void swapBuffers(DeviceContext dc) override;

  private:
    uint64_t counterFrequency_ = 1;
    // Registered with the first cover, only on a display of several monitors.
    HINSTANCE coverClassInstance_ = nullptr;
};

} // namespace kestro

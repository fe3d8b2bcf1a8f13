#pragma once
// A desktop OpenGL context through EGL on a Wayland display, so that the
// show's OpenGL 1.1 calls draw as they do through GLX, and the window
// surface it draws on: one wl_surface at a time, which may change (the
// show moves to another output) while the context, and with it the scene's
// textures, stays.

#include <cstdint>
#include <string>

struct wl_display;
struct wl_egl_window;
struct wl_surface;

namespace kestro {

class EglContext {
  public:
    EglContext() = default;
    ~EglContext();
    EglContext(const EglContext&) = delete;
    EglContext& operator=(const EglContext&) = delete;

    // EGL on the display, a configuration for windows and a context. On
    // failure, what is missing, for one line ("no EGL for this Wayland
    // display"), and nothing is kept.
    bool start(wl_display* display, std::string& missing);
    void stop();

    // Draws on the surface from now on, at that size, the context current.
    bool attach(wl_surface* surface, int32_t width, int32_t height);
    void resize(int32_t width, int32_t height);
    // Leaves the surface, before it goes; the context is kept.
    void detach();
    bool attached() const { return window_ != nullptr; }
    // Shows the picture drawn; never waits for the compositor's frame.
    void swap();

  private:
    void* display_ = nullptr; // EGLDisplay
    void* config_ = nullptr;  // EGLConfig
    void* context_ = nullptr; // EGLContext
    void* surface_ = nullptr; // EGLSurface
    wl_egl_window* window_ = nullptr;
};

} // namespace kestro

#include "renderer/shell/gl_context_egl.h"

#include <wayland-client.h>
#include <wayland-egl.h>

#include <EGL/egl.h>
#include <EGL/eglext.h>

#include <vector>

namespace kestro {

namespace {

// The show does its own pacing; a swap that waited for the compositor's
// frame would also hang on an output that draws none (one turned off).
constexpr EGLint SWAP_WITHOUT_WAITING = 0;

EGLDisplay asDisplay(void* display) {
    return static_cast<EGLDisplay>(display);
}

// The colour the X11 shell's visuals give: 8 bits a channel. Deeper
// configurations come first in EGL's order, and a 10-bit one would draw
// other pictures, and slower.
constexpr EGLint CHANNEL_BITS = 8;

EGLint attributeOf(EGLDisplay display, EGLConfig config, EGLint attribute) {
    EGLint value = 0;
    eglGetConfigAttrib(display, config, attribute, &value);
    return value;
}

// How well a configuration fits: 8-bit channels first, then no alpha (the
// show clears to a transparent black, which a compositor would otherwise
// blend with what lies below).
int fitOf(EGLDisplay display, EGLConfig config) {
    const bool eightBits = attributeOf(display, config, EGL_RED_SIZE) == CHANNEL_BITS &&
                           attributeOf(display, config, EGL_GREEN_SIZE) == CHANNEL_BITS &&
                           attributeOf(display, config, EGL_BLUE_SIZE) == CHANNEL_BITS;
    const bool noAlpha = attributeOf(display, config, EGL_ALPHA_SIZE) == 0;
    return (eightBits ? 2 : 0) + (noAlpha ? 1 : 0);
}

// A double-buffered window configuration for desktop OpenGL with a depth
// buffer, as the GLX visual the X11 shell asks for, the best fitting one.
bool chooseConfig(EGLDisplay display, EGLConfig& chosen) {
    const EGLint wanted[] = {EGL_SURFACE_TYPE,
                             EGL_WINDOW_BIT,
                             EGL_RENDERABLE_TYPE,
                             EGL_OPENGL_BIT,
                             EGL_RED_SIZE,
                             1,
                             EGL_GREEN_SIZE,
                             1,
                             EGL_BLUE_SIZE,
                             1,
                             EGL_DEPTH_SIZE,
                             1,
                             EGL_NONE};
    EGLint count = 0;
    if (!eglChooseConfig(display, wanted, nullptr, 0, &count) || count == 0)
        return false;
    std::vector<EGLConfig> configs(static_cast<size_t>(count));
    if (!eglChooseConfig(display, wanted, configs.data(), count, &count) || count == 0)
        return false;
    configs.resize(static_cast<size_t>(count));
    chosen = configs.front();
    int bestFit = fitOf(display, chosen);
    for (EGLConfig config : configs) {
        const int fit = fitOf(display, config);
        if (fit > bestFit) {
            chosen = config;
            bestFit = fit;
        }
    }
    return true;
}

} // namespace

EglContext::~EglContext() {
    stop();
}

bool EglContext::start(wl_display* display, std::string& missing) {
    EGLDisplay eglDisplay = eglGetPlatformDisplay(EGL_PLATFORM_WAYLAND_KHR, display, nullptr);
    EGLint major = 0;
    EGLint minor = 0;
    if (eglDisplay == EGL_NO_DISPLAY || !eglInitialize(eglDisplay, &major, &minor)) {
        missing = "no EGL for this Wayland display";
        return false;
    }
    display_ = eglDisplay;
    if (!eglBindAPI(EGL_OPENGL_API)) {
        missing = "EGL offers no desktop OpenGL";
        stop();
        return false;
    }
    EGLConfig config = nullptr;
    if (!chooseConfig(eglDisplay, config)) {
        missing = "EGL has no OpenGL configuration for a window";
        stop();
        return false;
    }
    config_ = config;
    // No attributes: the compatibility profile, with OpenGL 1.1's calls.
    EGLContext context = eglCreateContext(eglDisplay, config, EGL_NO_CONTEXT, nullptr);
    if (context == EGL_NO_CONTEXT) {
        missing = "EGL cannot make a desktop OpenGL context";
        stop();
        return false;
    }
    context_ = context;
    return true;
}

void EglContext::stop() {
    if (display_ == nullptr)
        return;
    detach();
    if (context_ != nullptr)
        eglDestroyContext(asDisplay(display_), static_cast<EGLContext>(context_));
    eglTerminate(asDisplay(display_));
    eglReleaseThread();
    display_ = nullptr;
    config_ = nullptr;
    context_ = nullptr;
}

bool EglContext::attach(wl_surface* surface, int32_t width, int32_t height) {
    detach();
    window_ = wl_egl_window_create(surface, width, height);
    if (window_ == nullptr)
        return false;
    EGLSurface eglSurface =
        eglCreateWindowSurface(asDisplay(display_), static_cast<EGLConfig>(config_),
                               reinterpret_cast<EGLNativeWindowType>(window_), nullptr);
    if (eglSurface == EGL_NO_SURFACE) {
        detach();
        return false;
    }
    surface_ = eglSurface;
    if (!eglMakeCurrent(asDisplay(display_), eglSurface, eglSurface,
                        static_cast<EGLContext>(context_))) {
        detach();
        return false;
    }
    eglSwapInterval(asDisplay(display_), SWAP_WITHOUT_WAITING);
    return true;
}

void EglContext::resize(int32_t width, int32_t height) {
    if (window_ != nullptr)
        wl_egl_window_resize(window_, width, height, 0, 0);
}

void EglContext::detach() {
    if (display_ != nullptr)
        eglMakeCurrent(asDisplay(display_), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (surface_ != nullptr)
        eglDestroySurface(asDisplay(display_), static_cast<EGLSurface>(surface_));
    surface_ = nullptr;
    if (window_ != nullptr)
        wl_egl_window_destroy(window_);
    window_ = nullptr;
}

void EglContext::swap() {
    if (surface_ != nullptr)
        eglSwapBuffers(asDisplay(display_), static_cast<EGLSurface>(surface_));
}

} // namespace kestro

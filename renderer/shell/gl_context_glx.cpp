#include "renderer/shell/gl_context_glx.h"

namespace kestro {

XVisualInfo* chooseOwnWindowVisual(Display* display, int screen) {
    int doubleBuffered[] = {GLX_RGBA,     GLX_DOUBLEBUFFER, GLX_RED_SIZE,   1,
                            GLX_GREEN_SIZE, 1,              GLX_BLUE_SIZE,  1,
                            GLX_DEPTH_SIZE, 1,              None};
    return glXChooseVisual(display, screen, doubleBuffered);
}

bool visualHasGl(Display* display, XVisualInfo* visual, bool& doubleBuffered) {
    int useGl = 0;
    int rgba = 0;
    int doubleBuffer = 0;
    if (glXGetConfig(display, visual, GLX_USE_GL, &useGl) != 0 || !useGl)
        return false;
    if (glXGetConfig(display, visual, GLX_RGBA, &rgba) != 0 || !rgba)
        return false;
    glXGetConfig(display, visual, GLX_DOUBLEBUFFER, &doubleBuffer);
    doubleBuffered = doubleBuffer != 0;
    return true;
}

bool GlxContext::create(Display* display, XVisualInfo* visual, Window window) {
    context_ = glXCreateContext(display, visual, nullptr, True);
    if (context_ == nullptr)
        context_ = glXCreateContext(display, visual, nullptr, False);
    if (context_ == nullptr)
        return false;
    display_ = display;
    window_ = window;
    return glXMakeCurrent(display, window, context_);
}

void GlxContext::present(bool doubleBuffered) const {
    if (doubleBuffered)
        glXSwapBuffers(display_, window_);
    else
        glFlush();
}

void GlxContext::destroy() {
    if (context_ == nullptr)
        return;
    glXMakeCurrent(display_, None, nullptr);
    glXDestroyContext(display_, context_);
    context_ = nullptr;
}

} // namespace kestro

#include "renderer/shell/renderer_shell_x11.h"

#include "renderer/shell/x11_shell.h"
#include "renderer/shell/x11_shell_port_x11.h"

namespace kestro {

X11RendererShell::X11RendererShell(const DrawTarget& target, const char* programName)
    : port_(std::make_unique<XlibShellPort>()),
      shell_(std::make_unique<X11Shell>(*port_, target, programName)) {}

// The shell goes before the port it uses.
X11RendererShell::~X11RendererShell() {
    shell_.reset();
}

int X11RendererShell::run(ShellEvents& events) {
    return shell_->run(events);
}

void X11RendererShell::requestQuit() {
    shell_->requestQuit();
}

} // namespace kestro

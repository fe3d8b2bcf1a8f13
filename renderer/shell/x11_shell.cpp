#include "renderer/shell/x11_shell.h"

#include "renderer/shell/shell_core.h"
#include "renderer/shell/x11_backend.h"
#include "renderer/shell/x11_port_xlib.h"

namespace kestro {

X11Shell::X11Shell(const DrawTarget& target, const char* programName)
    : port_(std::make_unique<XlibPort>()),
      backend_(std::make_unique<X11Backend>(*port_, target, programName)),
      core_(std::make_unique<ShellCore>(*backend_, target.fullScreen)) {}

// Each part goes before the one it uses.
X11Shell::~X11Shell() {
    core_.reset();
    backend_.reset();
}

int X11Shell::run(ShellEvents& events) {
    return core_->run(events);
}

void X11Shell::requestQuit() {
    core_->requestQuit();
}

} // namespace kestro

// The native XScreenSaver module's entry and composition root: the command
// line read into a place to draw, then the renderer's scene, drawing the
// host's sprite from memory, run behind the X11 shell or, for the Wayland
// layers, the Wayland shell. Only here are the shell, the scene and the
// sprite put together.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "linux/frame_rate_clock_port_posix.h"
#include "linux/frame_rate_display.h"
#include "linux/frame_rate_draw_port_gl.h"
#include "linux/module_options.h"
#include "linux/saver_sprite_bytes.h"
#include "program_version.h"
#include "renderer/image/texture_image.h"
#include "renderer/renderer_scene.h"
#include "renderer/scene/scene_port_gl.h"
#include "renderer/shell/x11_shell.h"
#ifdef KESTRO_WAYLAND_SHELL
#include "renderer/shell/wayland_shell.h"
#endif

namespace kestro {
namespace {

constexpr const char* PROGRAM_NAME = "kestrovalinde";
// Exit status when the place asked for cannot be drawn on.
constexpr int MODULE_EXIT_FAILURE = 1;

bool onWayland(const DrawTarget& target) {
    return target.place == DrawPlace::WaylandOverlay ||
           target.place == DrawPlace::WaylandBackground;
}

#ifdef KESTRO_WAYLAND_SHELL
ModuleEnvironment moduleEnvironment() {
    return currentModuleEnvironment();
}
#else
// A build without the Wayland shell draws through X11 only: a Wayland
// session must not choose Wayland for it by itself (its X server still
// serves the module), and an explicit Wayland place is refused rather than
// drawn somewhere else.
ModuleEnvironment moduleEnvironment() {
    ModuleEnvironment environment = currentModuleEnvironment();
    environment.waylandDisplay = nullptr;
    return environment;
}
#endif

template <typename Shell>
int runShow(const ModuleCommand& command) {
    Shell shell(command.target, PROGRAM_NAME);
    TextureImage sprite;
    GlScenePort display(sprite, SAVER_SPRITE_BYTES, SAVER_SPRITE_SIZE);
    RendererScene scene(display, [&shell] { shell.requestQuit(); });
    if (!command.showFrameRate)
        return shell.run(scene);
    PosixFrameRateClockPort clock;
    GlFrameRateDrawPort picture;
    FrameRateDisplay withFrameRate(scene, clock, picture);
    return shell.run(withFrameRate);
}

int moduleMain(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    const ModuleCommand command = parseModuleOptions(arguments, moduleEnvironment());
    switch (command.action) {
    case ModuleAction::ShowHelp:
        std::fputs(moduleHelp(PROGRAM_NAME).c_str(), stdout);
        return 0;
    case ModuleAction::ShowVersion:
        std::printf("%s %s\n", PROGRAM_NAME, KESTRO_VERSION_TEXT);
        return 0;
    case ModuleAction::Refuse:
        std::fprintf(stderr, "%s: %s; see '%s --help'\n", PROGRAM_NAME, command.message.c_str(),
                     PROGRAM_NAME);
        return MODULE_EXIT_USAGE;
    case ModuleAction::Run:
        break;
    }
    if (onWayland(command.target)) {
#ifdef KESTRO_WAYLAND_SHELL
        return runShow<WaylandShell>(command);
#else
        std::fprintf(stderr,
                     "%s: this build draws only on X11, not on Wayland; use --window or --root\n",
                     PROGRAM_NAME);
        return MODULE_EXIT_FAILURE;
#endif
    }
    return runShow<X11Shell>(command);
}

} // namespace
} // namespace kestro

int main(int argc, char** argv) {
    return kestro::moduleMain(argc, argv);
}

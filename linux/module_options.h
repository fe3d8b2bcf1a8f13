#pragma once
// The module's command line, read into what it is asked to do: run the show
// in a place to draw, print its help or version, or refuse with a message.
// Both the XScreenSaver spelling of an option (-root) and the GNU one
// (--root) are taken, and so are the options every XScreenSaver module
// accepts (-fps, -geometry, -display, -visual, -delay...).

#include <string>
#include <vector>

#include "renderer/shell/draw_target.h"

namespace kestro {

// Exit status of a command line the module refuses.
constexpr int MODULE_EXIT_USAGE = 2;

// The environment variable through which XScreenSaver, and the lockers that
// speak its protocol, name the window a module draws in.
constexpr const char* SCREENSAVER_WINDOW_VARIABLE = "XSCREENSAVER_WINDOW";
// Set in a Wayland session: where no X window is asked for, the show goes
// on the compositor's layers.
constexpr const char* WAYLAND_DISPLAY_VARIABLE = "WAYLAND_DISPLAY";

// What the module reads of its environment; each is null when unset.
struct ModuleEnvironment {
    const char* screensaverWindow = nullptr; // XSCREENSAVER_WINDOW
    const char* waylandDisplay = nullptr;    // WAYLAND_DISPLAY
};

// The process's own environment.
ModuleEnvironment currentModuleEnvironment();

enum class ModuleAction {
    Run,         // draw the show in target
    ShowHelp,    // print moduleHelp() and end with 0
    ShowVersion, // print the version and end with 0
    Refuse,      // print message and a pointer to --help, end with MODULE_EXIT_USAGE
};

struct ModuleCommand {
    ModuleAction action = ModuleAction::Run;
    DrawTarget target;
    bool showFrameRate = false; // --fps: pictures a second and processor share in a corner
    std::string message;        // Refuse: what was wrong, naming the option
};

// arguments: the command line without the program's name.
// Explicit options win over the environment; --root names the daemon's
// window when it set one (its window is the virtual root the module is
// meant to draw on), the screen's root window otherwise. Without a place
// named, the daemon's window if set; else Wayland's overlay layer when
// WAYLAND_DISPLAY is set and no X display or window geometry was asked for;
// else a window of its own.
ModuleCommand parseModuleOptions(const std::vector<std::string>& arguments,
                                 const ModuleEnvironment& environment);

// --geometry as X writes it: [=]WxH, [=]+X+Y or [=]WxH+X+Y (an offset may be
// negative, +-10). False for anything else, for a size of 0 and for
// offsets from the right or bottom edge (-X-Y), which a window's geometry
// here cannot hold.
bool parseWindowGeometry(const std::string& text, WindowGeometry& geometry);

// A window id written in decimal or as 0x hexadecimal; false unless it is a
// whole, non-zero X resource id.
bool parseWindowId(const std::string& text, unsigned long& windowId);

// The text --help prints.
std::string moduleHelp(const char* programName);

} // namespace kestro

#pragma once
// The module's command line, read into what it is asked to do: run the show
// in a place to draw, print its help or version, or refuse with a message.
// Both the XScreenSaver spelling of an option (-root) and the GNU one
// (--root) are taken.

#include <string>
#include <vector>

#include "renderer/shell/draw_target.h"

namespace kestro {

// Exit status of a command line the module refuses.
constexpr int MODULE_EXIT_USAGE = 2;

// The environment variable through which XScreenSaver, and the lockers that
// speak its protocol, name the window a module draws in.
constexpr const char* SCREENSAVER_WINDOW_VARIABLE = "XSCREENSAVER_WINDOW";

enum class ModuleAction {
    Run,         // draw the show in target
    ShowHelp,    // print moduleHelp() and end with 0
    ShowVersion, // print the version and end with 0
    Refuse,      // print message and a pointer to --help, end with MODULE_EXIT_USAGE
};

struct ModuleCommand {
    ModuleAction action = ModuleAction::Run;
    DrawTarget target;
    std::string message; // Refuse: what was wrong, naming the option
};

// arguments: the command line without the program's name.
// screensaverWindow: the value of XSCREENSAVER_WINDOW, or null when unset.
// Explicit options win over the environment; --root names the daemon's
// window when it set one (its window is the virtual root the module is
// meant to draw on), the screen's root window otherwise.
ModuleCommand parseModuleOptions(const std::vector<std::string>& arguments,
                                 const char* screensaverWindow);

// A window id written in decimal or as 0x hexadecimal; false unless it is a
// whole, non-zero X resource id.
bool parseWindowId(const std::string& text, unsigned long& windowId);

// The text --help prints.
std::string moduleHelp(const char* programName);

} // namespace kestro

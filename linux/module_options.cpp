#include "linux/module_options.h"

#include <cctype>

namespace kestro {

namespace {

// X resource ids have their top three bits clear.
constexpr unsigned long X_RESOURCE_ID_MAX = 0x1FFFFFFFUL;
constexpr int HEX_BASE = 16;
constexpr int DECIMAL_BASE = 10;

// The places to draw an option can name; Own covers --window and --fullscreen.
enum class Place { None, Own, Given, Root };

struct ParseState {
    Place place = Place::None;
    std::string placeOption; // the option that named the place, for messages
    bool fullScreen = false;
    unsigned long windowId = 0;
};

ModuleCommand refuse(std::string message) {
    ModuleCommand command;
    command.action = ModuleAction::Refuse;
    command.message = std::move(message);
    return command;
}

// "-root" and "--root" are the same option; prints as the GNU spelling.
std::string optionName(const std::string& argument) {
    if (argument.size() > 2 && argument[0] == '-' && argument[1] == '-')
        return argument.substr(2);
    if (argument.size() > 1 && argument[0] == '-')
        return argument.substr(1);
    return std::string();
}

// Two options naming different places is a mistake the user should hear of,
// not one silently overriding the other.
bool choosePlace(ParseState& state, Place place, const std::string& option, std::string& conflict) {
    if (state.place != Place::None && state.place != place) {
        conflict = state.placeOption + " and --" + option + " name different places to draw";
        return false;
    }
    state.place = place;
    state.placeOption = "--" + option;
    return true;
}

ModuleCommand finish(const ParseState& state, const char* screensaverWindow) {
    ModuleCommand command;
    const bool daemonWindow = screensaverWindow != nullptr && *screensaverWindow != '\0';
    const bool usesDaemonWindow =
        daemonWindow && (state.place == Place::None || state.place == Place::Root);
    if (usesDaemonWindow) {
        unsigned long id = 0;
        if (!parseWindowId(screensaverWindow, id))
            return refuse(std::string(SCREENSAVER_WINDOW_VARIABLE) + ": not a window id: '" +
                          screensaverWindow + "'");
        command.target.place = DrawPlace::GivenWindow;
        command.target.windowId = id;
        return command;
    }
    switch (state.place) {
    case Place::Given:
        command.target.place = DrawPlace::GivenWindow;
        command.target.windowId = state.windowId;
        break;
    case Place::Root:
        command.target.place = DrawPlace::RootWindow;
        break;
    case Place::None:
    case Place::Own:
        command.target.place = DrawPlace::OwnWindow;
        command.target.fullScreen = state.fullScreen;
        break;
    }
    return command;
}

} // namespace

bool parseWindowId(const std::string& text, unsigned long& windowId) {
    size_t at = 0;
    int base = DECIMAL_BASE;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = HEX_BASE;
        at = 2;
    }
    if (at == text.size())
        return false;
    unsigned long value = 0;
    for (; at < text.size(); ++at) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        int digit = 0;
        if (std::isdigit(c))
            digit = c - '0';
        else if (base == HEX_BASE && std::isxdigit(c))
            digit = std::tolower(c) - 'a' + 10;
        else
            return false;
        value = value * base + digit;
        if (value > X_RESOURCE_ID_MAX)
            return false;
    }
    if (value == 0)
        return false;
    windowId = value;
    return true;
}

ModuleCommand parseModuleOptions(const std::vector<std::string>& arguments,
                                 const char* screensaverWindow) {
    ParseState state;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::string name = optionName(argument);
        std::string value;
        bool hasInlineValue = false;
        const size_t equals = name.find('=');
        if (equals != std::string::npos) {
            value = name.substr(equals + 1);
            name = name.substr(0, equals);
            hasInlineValue = true;
        }
        std::string conflict;
        if (name == "help" && !hasInlineValue) {
            ModuleCommand command;
            command.action = ModuleAction::ShowHelp;
            return command;
        }
        if (name == "version" && !hasInlineValue) {
            ModuleCommand command;
            command.action = ModuleAction::ShowVersion;
            return command;
        }
        if ((name == "window" || name == "root") && !hasInlineValue) {
            if (!choosePlace(state, name == "root" ? Place::Root : Place::Own, name, conflict))
                return refuse(conflict);
            continue;
        }
        if (name == "fullscreen" && !hasInlineValue) {
            if (!choosePlace(state, Place::Own, name, conflict))
                return refuse(conflict);
            state.fullScreen = true;
            continue;
        }
        if (name == "window-id") {
            if (!hasInlineValue) {
                if (i + 1 == arguments.size())
                    return refuse("--window-id needs a window id");
                value = arguments[++i];
            }
            if (!parseWindowId(value, state.windowId))
                return refuse("--window-id: not a window id: '" + value + "'");
            if (!choosePlace(state, Place::Given, name, conflict))
                return refuse(conflict);
            continue;
        }
        if (name.empty() || name == "help" || name == "version" || name == "window" ||
            name == "root" || name == "fullscreen")
            return refuse(name.empty() ? "unexpected argument '" + argument + "'"
                                       : "--" + name + " takes no value");
        return refuse("unknown option '" + argument + "'");
    }
    return finish(state, screensaverWindow);
}

std::string moduleHelp(const char* programName) {
    const std::string name = programName;
    return "Usage: " + name +
           " [OPTION]\n"
           "Kestrovalinde: a cloud of 4000 glowing particles through a staged show,\n"
           "drawn with OpenGL. An XScreenSaver module.\n"
           "\n"
           "Where it draws (one of):\n"
           "  --window           in a window of its own, 1024 x 768 (the default)\n"
           "  --fullscreen       in a window of its own, full screen\n"
           "  --window-id ID     in the existing window ID (decimal or 0x hexadecimal)\n"
           "  --root             on the root window, or in the window XSCREENSAVER_WINDOW\n"
           "                     names when it is set\n"
           "Without one of these, the window XSCREENSAVER_WINDOW names, if set.\n"
           "Options may also be written with one dash (-root, -window-id ID).\n"
           "\n"
           "  --help             show this text and end\n"
           "  --version          show the version and end\n"
           "\n"
           "In its own window, Escape or closing the window ends it. SIGTERM and SIGINT\n"
           "end it in every mode. Exit status: 0 after a normal end, 1 when it cannot\n"
           "draw (no display, no such window, no OpenGL), 2 for a bad command line.\n";
}

} // namespace kestro

#include "linux/module_options.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace kestro {

namespace {

// X resource ids have their top three bits clear.
constexpr unsigned long X_RESOURCE_ID_MAX = 0x1FFFFFFFUL;
constexpr int HEX_BASE = 16;
constexpr int DECIMAL_BASE = 10;
// A window's size and position are 16-bit quantities on the X protocol.
constexpr long GEOMETRY_SIZE_MAX = 32767;
constexpr long GEOMETRY_OFFSET_MIN = -32768;
constexpr long GEOMETRY_OFFSET_MAX = 32767;
// --delay is microseconds between pictures in XScreenSaver's modules.
constexpr unsigned long DELAY_MAX = 0x7FFFFFFFUL;

// The places to draw an option can name; Own covers --window and
// --fullscreen, Wayland both --wayland and --background.
enum class Place { None, Own, Given, Root, Wayland };

struct ParseState {
    Place place = Place::None;
    std::string placeOption; // the option that named the place, for messages
    bool fullScreen = false;
    bool waylandBackground = false;
    unsigned long windowId = 0;
    WindowGeometry geometry;
    bool geometryGiven = false;
    std::string displayName;
    bool showFrameRate = false;
};

// What an option does with its value (empty for an option without one);
// false with the problem when the value is no good.
using ApplyOption = bool (*)(ParseState&, const std::string& value, std::string& problem);

struct OptionRule {
    const char* name; // without its dashes
    bool takesValue;
    const char* valueName; // what a missing value is called
    ApplyOption apply;
};

// Two options naming different places is a mistake the user should hear of,
// not one silently overriding the other.
// XScreenSaver's settings show their preview by adding --window-id to the
// module's command line, --root and all: the given window then wins.
bool choosePlace(ParseState& state, Place place, const char* option, std::string& problem) {
    const bool previewOfRoot = (state.place == Place::Root && place == Place::Given) ||
                               (state.place == Place::Given && place == Place::Root);
    if (previewOfRoot) {
        state.place = Place::Given;
        return true;
    }
    if (state.place != Place::None && state.place != place) {
        problem = state.placeOption + " and --" + option + " name different places to draw";
        return false;
    }
    state.place = place;
    state.placeOption = std::string("--") + option;
    return true;
}

bool applyWindow(ParseState& state, const std::string&, std::string& problem) {
    return choosePlace(state, Place::Own, "window", problem);
}

bool applyFullScreen(ParseState& state, const std::string&, std::string& problem) {
    state.fullScreen = true;
    return choosePlace(state, Place::Own, "fullscreen", problem);
}

bool applyRoot(ParseState& state, const std::string&, std::string& problem) {
    return choosePlace(state, Place::Root, "root", problem);
}

bool applyWindowId(ParseState& state, const std::string& value, std::string& problem) {
    if (!parseWindowId(value, state.windowId)) {
        problem = "--window-id: not a window id: '" + value + "'";
        return false;
    }
    return choosePlace(state, Place::Given, "window-id", problem);
}

bool applyWayland(ParseState& state, const std::string&, std::string& problem) {
    return choosePlace(state, Place::Wayland, "wayland", problem);
}

// The background layer exists only on Wayland, so --background alone is
// enough to draw there.
bool applyBackground(ParseState& state, const std::string&, std::string& problem) {
    state.waylandBackground = true;
    return choosePlace(state, Place::Wayland, "background", problem);
}

bool applyGeometry(ParseState& state, const std::string& value, std::string& problem) {
    if (!parseWindowGeometry(value, state.geometry)) {
        problem = "--geometry: not a window geometry (WxH+X+Y, WxH or +X+Y): '" + value + "'";
        return false;
    }
    state.geometryGiven = true;
    return true;
}

bool applyDisplay(ParseState& state, const std::string& value, std::string& problem) {
    if (value.empty()) {
        problem = "--display needs a display name";
        return false;
    }
    state.displayName = value;
    return true;
}

bool applyFps(ParseState& state, const std::string&, std::string&) {
    state.showFrameRate = true;
    return true;
}

bool applyNoFps(ParseState& state, const std::string&, std::string&) {
    state.showFrameRate = false;
    return true;
}

// Accepted as every module accepts them; the window's visual and colours
// are always the ones the display or the given window has.
bool acceptFlag(ParseState&, const std::string&, std::string&) {
    return true;
}

bool isDecimal(const std::string& text) {
    if (text.empty())
        return false;
    for (const char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

// A visual class's name, or a visual's id in decimal or 0x hexadecimal, as
// XScreenSaver's modules take them.
bool applyVisual(ParseState&, const std::string& value, std::string& problem) {
    static const char* const VISUAL_NAMES[] = {
        "default",      "best",      "mono",        "monochrome",   "gray",
        "grey",         "color",     "colour",      "staticgray",   "staticgrey",
        "grayscale",    "greyscale", "staticcolor", "staticcolour", "pseudocolor",
        "pseudocolour", "truecolor", "truecolour",  "directcolor",  "directcolour",
    };
    for (const char* name : VISUAL_NAMES)
        if (strcasecmp(value.c_str(), name) == 0)
            return true;
    unsigned long id = 0;
    if (isDecimal(value) || parseWindowId(value, id))
        return true;
    problem = "--visual: not a visual class or id: '" + value + "'";
    return false;
}

// The show keeps its designed pace whatever delay is asked for; a delay is
// still checked, so that a mistyped command line is heard of.
bool applyDelay(ParseState&, const std::string& value, std::string& problem) {
    if (isDecimal(value) && value.size() <= 10 &&
        std::strtoul(value.c_str(), nullptr, 10) <= DELAY_MAX)
        return true;
    problem = "--delay: not a number of microseconds: '" + value + "'";
    return false;
}

const OptionRule OPTION_RULES[] = {
    {"window", false, nullptr, applyWindow},
    {"fullscreen", false, nullptr, applyFullScreen},
    {"root", false, nullptr, applyRoot},
    {"window-id", true, "a window id", applyWindowId},
    {"wayland", false, nullptr, applyWayland},
    {"background", false, nullptr, applyBackground},
    {"geometry", true, "a geometry", applyGeometry},
    {"display", true, "a display name", applyDisplay},
    {"fps", false, nullptr, applyFps},
    {"no-fps", false, nullptr, applyNoFps},
    {"visual", true, "a visual", applyVisual},
    {"install", false, nullptr, acceptFlag},
    {"noinstall", false, nullptr, acceptFlag},
    {"mono", false, nullptr, acceptFlag},
    {"pair", false, nullptr, acceptFlag},
    {"delay", true, "a number of microseconds", applyDelay},
};

const OptionRule* findRule(const std::string& name) {
    for (const OptionRule& rule : OPTION_RULES)
        if (name == rule.name)
            return &rule;
    return nullptr;
}

ModuleCommand refuse(std::string message) {
    ModuleCommand command;
    command.action = ModuleAction::Refuse;
    command.message = std::move(message);
    return command;
}

ModuleCommand answer(ModuleAction action) {
    ModuleCommand command;
    command.action = action;
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

bool isSet(const char* variable) {
    return variable != nullptr && *variable != '\0';
}

// Where the options and the environment say to draw.
ModuleCommand finish(const ParseState& state, const ModuleEnvironment& environment) {
    ModuleCommand command;
    command.showFrameRate = state.showFrameRate;
    command.target.displayName = state.displayName;
    const bool usesDaemonWindow = isSet(environment.screensaverWindow) &&
                                  (state.place == Place::None || state.place == Place::Root);
    // An X display or a window's geometry asked for keeps the show on X.
    const bool asksForX = !state.displayName.empty() || state.geometryGiven;
    Place place = state.place;
    if (place == Place::None && !usesDaemonWindow && isSet(environment.waylandDisplay) && !asksForX)
        place = Place::Wayland;
    if (usesDaemonWindow) {
        unsigned long id = 0;
        if (!parseWindowId(environment.screensaverWindow, id))
            return refuse(std::string(SCREENSAVER_WINDOW_VARIABLE) + ": not a window id: '" +
                          environment.screensaverWindow + "'");
        command.target.place = DrawPlace::GivenWindow;
        command.target.windowId = id;
        return command;
    }
    switch (place) {
    case Place::Given:
        command.target.place = DrawPlace::GivenWindow;
        command.target.windowId = state.windowId;
        break;
    case Place::Root:
        command.target.place = DrawPlace::RootWindow;
        break;
    case Place::Wayland:
        // Only an explicit --wayland or --background gets here with a display.
        if (!state.displayName.empty())
            return refuse(state.placeOption +
                          " draws on Wayland, but --display names an X display");
        command.target.place =
            state.waylandBackground ? DrawPlace::WaylandBackground : DrawPlace::WaylandOverlay;
        break;
    case Place::None:
    case Place::Own:
        command.target.place = DrawPlace::OwnWindow;
        command.target.fullScreen = state.fullScreen;
        command.target.geometry = state.geometry;
        break;
    }
    return command;
}

// Reads a run of decimal digits at text[at], no more than limit; false when
// there are none or too many.
bool readNumber(const std::string& text, size_t& at, long limit, long& number) {
    const size_t start = at;
    number = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) {
        number = number * DECIMAL_BASE + (text[at] - '0');
        if (number > limit)
            return false;
        ++at;
    }
    return at > start;
}

// "+N" or "+-N" at text[at]; a leading '-' (an offset from the far edge) is
// refused.
bool readOffset(const std::string& text, size_t& at, int32_t& offset) {
    if (at >= text.size() || text[at] != '+')
        return false;
    ++at;
    bool negative = false;
    if (at < text.size() && text[at] == '-') {
        negative = true;
        ++at;
    }
    long number = 0;
    if (!readNumber(text, at, negative ? -GEOMETRY_OFFSET_MIN : GEOMETRY_OFFSET_MAX, number))
        return false;
    offset = static_cast<int32_t>(negative ? -number : number);
    return true;
}

} // namespace

ModuleEnvironment currentModuleEnvironment() {
    ModuleEnvironment environment;
    environment.screensaverWindow = std::getenv(SCREENSAVER_WINDOW_VARIABLE);
    environment.waylandDisplay = std::getenv(WAYLAND_DISPLAY_VARIABLE);
    return environment;
}

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

bool parseWindowGeometry(const std::string& text, WindowGeometry& geometry) {
    WindowGeometry parsed;
    size_t at = 0;
    if (at < text.size() && text[at] == '=')
        ++at;
    if (at < text.size() && text[at] != '+') {
        long width = 0;
        long height = 0;
        if (!readNumber(text, at, GEOMETRY_SIZE_MAX, width) || at >= text.size() ||
            (text[at] != 'x' && text[at] != 'X'))
            return false;
        ++at;
        if (!readNumber(text, at, GEOMETRY_SIZE_MAX, height) || width == 0 || height == 0)
            return false;
        parsed.width = static_cast<int32_t>(width);
        parsed.height = static_cast<int32_t>(height);
    }
    if (at < text.size()) {
        if (!readOffset(text, at, parsed.x) || !readOffset(text, at, parsed.y) || at != text.size())
            return false;
        parsed.placed = true;
    }
    if (parsed.width == 0 && !parsed.placed)
        return false;
    geometry = parsed;
    return true;
}

ModuleCommand parseModuleOptions(const std::vector<std::string>& arguments,
                                 const ModuleEnvironment& environment) {
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
        if (name.empty())
            return refuse("unexpected argument '" + argument + "'");
        if ((name == "help" || name == "version") && !hasInlineValue)
            return answer(name == "help" ? ModuleAction::ShowHelp : ModuleAction::ShowVersion);
        const OptionRule* rule = findRule(name);
        if (rule == nullptr && name != "help" && name != "version")
            return refuse("unknown option '" + argument + "'");
        if (rule == nullptr || (!rule->takesValue && hasInlineValue))
            return refuse("--" + name + " takes no value");
        if (rule->takesValue && !hasInlineValue) {
            if (i + 1 == arguments.size())
                return refuse("--" + name + " needs " + rule->valueName);
            value = arguments[++i];
        }
        std::string problem;
        if (!rule->apply(state, value, problem))
            return refuse(problem);
    }
    return finish(state, environment);
}

std::string moduleHelp(const char* programName) {
    const std::string name = programName;
    return "Usage: " + name +
           " [OPTION]...\n"
           "Kestrovalinde: a cloud of 4000 glowing particles through a staged show,\n"
           "drawn with OpenGL. An XScreenSaver module.\n"
           "\n"
           "Where it draws (one of; --window-id wins over --root, as XScreenSaver's\n"
           "preview gives both):\n"
           "  --window           in an X window of its own, 1024 x 768 (the default)\n"
           "  --fullscreen       in an X window of its own, full screen\n"
           "  --window-id ID     in the existing X window ID (decimal or 0x hexadecimal)\n"
           "  --root             on the X root window, or in the window XSCREENSAVER_WINDOW\n"
           "                     names when it is set\n"
           "  --wayland          on Wayland, over every window of every output (the show\n"
           "                     on the first, black on the others); any key, button or\n"
           "                     move of the pointer ends it\n"
           "  --background       on Wayland, below every window: a living wallpaper, or a\n"
           "                     locker's background; input is left to the windows\n"
           "Without one of these: the window XSCREENSAVER_WINDOW names, if set; else\n"
           "Wayland's overlay layer, as --wayland, when WAYLAND_DISPLAY is set and\n"
           "neither --display nor --geometry asks for X; else a window of its own.\n"
           "\n"
           "  --geometry GEOM    the own window's size and place: WxH+X+Y, WxH or +X+Y\n"
           "  --display NAME     the X display to draw on (default: $DISPLAY)\n"
           "  --fps              show pictures a second and processor share in a corner\n"
           "  --no-fps           do not (the default)\n"
           "  --delay N          accepted, changes nothing: the show keeps its designed\n"
           "                     pace of 60 steps a second\n"
           "  --visual ID, --install, --noinstall, --mono, --pair\n"
           "                     accepted as every XScreenSaver module takes them; the\n"
           "                     show always uses the visual of the window it draws in\n"
           "Options may also be written with one dash (-root, -window-id ID).\n"
           "\n"
           "  --help             show this text and end\n"
           "  --version          show the version and end\n"
           "\n"
           "In its own window, Escape or closing the window ends it; with --wayland, any\n"
           "input. SIGTERM and SIGINT end it in every mode, and so does a compositor\n"
           "that goes away. Exit status: 0 after a normal end, 1 when it cannot draw\n"
           "(no display, no such window, no OpenGL; no Wayland compositor, no layer\n"
           "shell, no EGL), 2 for a bad command line.\n";
}

} // namespace kestro

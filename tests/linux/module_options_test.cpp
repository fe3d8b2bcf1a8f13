// The module's command lines, good and bad, with what each must lead to.

#include "linux/module_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestro {
namespace {

// Only XSCREENSAVER_WINDOW set (or nothing, when null).
ModuleEnvironment daemonWindow(const char* screensaverWindow) {
    ModuleEnvironment environment;
    environment.screensaverWindow = screensaverWindow;
    return environment;
}

struct GoodLine {
    std::vector<std::string> arguments;
    const char* screensaverWindow; // XSCREENSAVER_WINDOW, or null when unset
    DrawPlace kind;
    unsigned long windowId;
    bool fullScreen;
};

const GoodLine GOOD_LINES[] = {
    {{}, nullptr, DrawPlace::OwnWindow, 0, false},
    {{"--window"}, nullptr, DrawPlace::OwnWindow, 0, false},
    {{"-window"}, nullptr, DrawPlace::OwnWindow, 0, false},
    {{"--fullscreen"}, nullptr, DrawPlace::OwnWindow, 0, true},
    {{"--window", "--fullscreen"}, nullptr, DrawPlace::OwnWindow, 0, true},
    {{"--window-id", "12345"}, nullptr, DrawPlace::GivenWindow, 12345, false},
    {{"-window-id", "0x2a00007"}, nullptr, DrawPlace::GivenWindow, 0x2a00007, false},
    {{"--window-id=0X1F"}, nullptr, DrawPlace::GivenWindow, 0x1f, false},
    {{"--window-id", "0x1fffffff"}, nullptr, DrawPlace::GivenWindow, 0x1fffffff, false},
    {{"--root"}, nullptr, DrawPlace::RootWindow, 0, false},
    {{"-root"}, nullptr, DrawPlace::RootWindow, 0, false},
    {{"--root"}, "", DrawPlace::RootWindow, 0, false},
    // Under the daemon: its window, with or without -root.
    {{}, "0x400001", DrawPlace::GivenWindow, 0x400001, false},
    {{"-root"}, "4194305", DrawPlace::GivenWindow, 4194305, false},
    // An explicit place wins over the daemon's window.
    {{"--window"}, "0x400001", DrawPlace::OwnWindow, 0, false},
    {{"--window-id", "77"}, "0x400001", DrawPlace::GivenWindow, 77, false},
    // XScreenSaver's preview: the module's command with --window-id added.
    {{"--root", "--window-id", "0x600003"}, "0x400001", DrawPlace::GivenWindow, 0x600003, false},
    {{"-window-id", "0x600003", "-root"}, nullptr, DrawPlace::GivenWindow, 0x600003, false},
    // A malformed daemon window is of no matter when it is not used.
    {{"--window-id", "77"}, "junk", DrawPlace::GivenWindow, 77, false},
};

TEST(ModuleOptions, GoodCommandLinesChooseTheirPlaceToDraw) {
    for (const GoodLine& line : GOOD_LINES) {
        const ModuleCommand command =
            parseModuleOptions(line.arguments, daemonWindow(line.screensaverWindow));
        const std::string what = ::testing::PrintToString(line.arguments) + " with " +
                                 (line.screensaverWindow ? line.screensaverWindow : "(unset)");
        ASSERT_EQ(command.action, ModuleAction::Run) << what << ": " << command.message;
        EXPECT_EQ(command.target.place, line.kind) << what;
        EXPECT_EQ(command.target.windowId, line.windowId) << what;
        EXPECT_EQ(command.target.fullScreen, line.fullScreen) << what;
    }
}

TEST(ModuleOptions, HelpAndVersionWinWhereverTheyStand) {
    for (const std::vector<std::string>& line :
         {std::vector<std::string>{"--help"}, {"-help"}, {"--root", "--help"}}) {
        EXPECT_EQ(parseModuleOptions(line, ModuleEnvironment{}).action, ModuleAction::ShowHelp);
    }
    for (const std::vector<std::string>& line :
         {std::vector<std::string>{"--version"}, {"-version"}, {"--window", "--version"}}) {
        EXPECT_EQ(parseModuleOptions(line, daemonWindow("0x400001")).action,
                  ModuleAction::ShowVersion);
    }
}

struct BadLine {
    std::vector<std::string> arguments;
    const char* screensaverWindow;
    const char* named; // what the message must name
};

const BadLine BAD_LINES[] = {
    {{"--frobnicate"}, nullptr, "--frobnicate"},
    {{"-fpsx"}, nullptr, "-fpsx"},
    {{"--fps=1"}, nullptr, "--fps takes no value"},
    {{"--help=me"}, nullptr, "--help takes no value"},
    {{"--geometry", "junk"}, nullptr, "--geometry"},
    {{"--geometry"}, nullptr, "--geometry needs"},
    {{"--geometry=0x0"}, nullptr, "--geometry"},
    {{"--geometry", "640x"}, nullptr, "--geometry"},
    {{"--geometry", "640"}, nullptr, "--geometry"},
    {{"--geometry", "640x480+10"}, nullptr, "--geometry"},
    {{"--geometry", "640x480-10-10"}, nullptr, "--geometry"},
    {{"--geometry", "640x480+10+10junk"}, nullptr, "--geometry"},
    {{"--geometry", "99999x480"}, nullptr, "--geometry"},
    {{"--geometry", "+40000+0"}, nullptr, "--geometry"},
    {{"--geometry", ""}, nullptr, "--geometry"},
    {{"--delay", "x"}, nullptr, "--delay"},
    {{"--delay", "-5"}, nullptr, "--delay"},
    {{"--delay", "99999999999"}, nullptr, "--delay"},
    {{"-delay"}, nullptr, "--delay needs"},
    {{"--display"}, nullptr, "--display needs"},
    {{"--display="}, nullptr, "--display"},
    {{"--visual"}, nullptr, "--visual needs"},
    {{"--visual", "sparkly"}, nullptr, "--visual"},
    {{"--wayland", "--root"}, nullptr, "--wayland and --root"},
    {{"--window-id", "5", "--background"}, nullptr, "--window-id and --background"},
    {{"--background", "--display", ":1"}, nullptr, "--display"},
    {{"stray"}, nullptr, "stray"},
    {{"-"}, nullptr, "'-'"},
    {{"--window-id"}, nullptr, "--window-id"},
    {{"--window-id", "0"}, nullptr, "--window-id"},
    {{"--window-id", "-5"}, nullptr, "--window-id"},
    {{"--window-id", "12ab"}, nullptr, "--window-id"},
    {{"--window-id", "0x"}, nullptr, "--window-id"},
    {{"--window-id", "0xg1"}, nullptr, "--window-id"},
    {{"--window-id", ""}, nullptr, "--window-id"},
    {{"--window-id", " 12"}, nullptr, "--window-id"},
    {{"--window-id", "0x20000000"}, nullptr, "--window-id"},
    {{"--window-id", "99999999999999999999999"}, nullptr, "--window-id"},
    {{"--window-id="}, nullptr, "--window-id"},
    {{"--root=yes"}, nullptr, "--root"},
    {{"--window", "--window-id", "5"}, nullptr, "--window and --window-id"},
    {{"--window-id", "5", "--window"}, nullptr, "--window-id and --window"},
    {{"--fullscreen", "--root"}, nullptr, "--fullscreen and --root"},
    {{}, "0xzz", "XSCREENSAVER_WINDOW"},
    {{"--root"}, "12 ", "XSCREENSAVER_WINDOW"},
};

TEST(ModuleOptions, BadCommandLinesAreRefusedNamingTheOption) {
    for (const BadLine& line : BAD_LINES) {
        const ModuleCommand command =
            parseModuleOptions(line.arguments, daemonWindow(line.screensaverWindow));
        const std::string what = ::testing::PrintToString(line.arguments);
        ASSERT_EQ(command.action, ModuleAction::Refuse) << what;
        EXPECT_NE(command.message.find(line.named), std::string::npos)
            << what << " gave: " << command.message;
        EXPECT_EQ(command.message.find('\n'), std::string::npos) << "one line: " << what;
    }
}

// What XScreenSaver passes to every module, and its settings add, is taken
// with one dash or two; only --fps changes what is drawn.
TEST(ModuleOptions, EveryModulesStandardOptionsAreTaken) {
    const std::vector<std::vector<std::string>> lines = {
        {"-root", "-fps"},
        {"--root", "--fps"},
        {"-root", "-delay", "20000", "-visual", "default", "-install", "-mono", "-pair", "-fps"},
        {"--root", "--delay=0", "--visual=0x21", "--noinstall", "--fps"},
        {"-root", "-visual", "TrueColor", "-visual", "33", "-fps"},
        {"-no-fps", "-root", "-fps"},
    };
    for (const std::vector<std::string>& line : lines) {
        const ModuleCommand command = parseModuleOptions(line, daemonWindow("0x400001"));
        const std::string what = ::testing::PrintToString(line);
        ASSERT_EQ(command.action, ModuleAction::Run) << what << ": " << command.message;
        EXPECT_TRUE(command.showFrameRate) << what;
        EXPECT_EQ(command.target.place, DrawPlace::GivenWindow) << what;
        EXPECT_EQ(command.target.windowId, 0x400001UL) << what;
    }
    for (const std::vector<std::string>& line : {std::vector<std::string>{"--root"},
                                                 {"--fps", "--no-fps"},
                                                 {"-fps", "-no-fps", "-delay", "5"}}) {
        EXPECT_FALSE(parseModuleOptions(line, ModuleEnvironment{}).showFrameRate)
            << ::testing::PrintToString(line);
    }
}

struct GeometryCase {
    const char* text;
    WindowGeometry expected;
};

const GeometryCase GEOMETRIES[] = {
    {"640x480+10+20", {640, 480, 10, 20, true}},
    {"=800X600", {800, 600, 0, 0, false}},
    {"+0+0", {0, 0, 0, 0, true}},
    {"320x200+-15+-7", {320, 200, -15, -7, true}},
    {"1x1", {1, 1, 0, 0, false}},
    {"32767x32767+32767+-32768", {32767, 32767, 32767, -32768, true}},
};

TEST(ModuleOptions, GeometryAndDisplayShapeTheOwnWindow) {
    for (const GeometryCase& geometry : GEOMETRIES) {
        const ModuleCommand command =
            parseModuleOptions({"-geometry", geometry.text}, ModuleEnvironment{});
        ASSERT_EQ(command.action, ModuleAction::Run) << geometry.text << ": " << command.message;
        const WindowGeometry& got = command.target.geometry;
        EXPECT_EQ(command.target.place, DrawPlace::OwnWindow) << geometry.text;
        EXPECT_EQ(got.width, geometry.expected.width) << geometry.text;
        EXPECT_EQ(got.height, geometry.expected.height) << geometry.text;
        EXPECT_EQ(got.x, geometry.expected.x) << geometry.text;
        EXPECT_EQ(got.y, geometry.expected.y) << geometry.text;
        EXPECT_EQ(got.placed, geometry.expected.placed) << geometry.text;
    }
    // The last geometry given counts, as with X's own programs.
    const ModuleCommand twice = parseModuleOptions(
        {"--geometry", "100x100+5+5", "--geometry=200x150", "--display", "remote:1.0"},
        ModuleEnvironment{});
    ASSERT_EQ(twice.action, ModuleAction::Run) << twice.message;
    EXPECT_EQ(twice.target.geometry.width, 200);
    EXPECT_FALSE(twice.target.geometry.placed);
    EXPECT_EQ(twice.target.displayName, "remote:1.0");
    // A display applies wherever the show draws on X; a geometry only to a
    // window of its own.
    const ModuleCommand root =
        parseModuleOptions({"-display", ":3", "-geometry", "10x10", "-root"}, ModuleEnvironment{});
    ASSERT_EQ(root.action, ModuleAction::Run) << root.message;
    EXPECT_EQ(root.target.place, DrawPlace::RootWindow);
    EXPECT_EQ(root.target.displayName, ":3");
    EXPECT_EQ(root.target.geometry.width, 0);
}

struct WaylandCase {
    std::vector<std::string> arguments;
    ModuleEnvironment environment;
    DrawPlace kind;
};

const WaylandCase WAYLAND_CASES[] = {
    // A Wayland session without an X window asked for: the overlay layer.
    {{}, {nullptr, "wayland-1"}, DrawPlace::WaylandOverlay},
    {{"--fps"}, {nullptr, "wayland-1"}, DrawPlace::WaylandOverlay},
    {{"--wayland"}, {}, DrawPlace::WaylandOverlay},
    {{"--background"}, {}, DrawPlace::WaylandBackground},
    {{"-wayland", "-background"}, {"0x400001", nullptr}, DrawPlace::WaylandBackground},
    {{"--background"}, {nullptr, "wayland-1"}, DrawPlace::WaylandBackground},
    // Anything of X keeps the show there.
    {{}, {"0x400001", "wayland-1"}, DrawPlace::GivenWindow},
    {{"--root"}, {nullptr, "wayland-1"}, DrawPlace::RootWindow},
    {{"--window-id", "9"}, {nullptr, "wayland-1"}, DrawPlace::GivenWindow},
    {{"--window"}, {nullptr, "wayland-1"}, DrawPlace::OwnWindow},
    {{"--geometry", "300x200"}, {nullptr, "wayland-1"}, DrawPlace::OwnWindow},
    {{"--display", ":0"}, {nullptr, "wayland-1"}, DrawPlace::OwnWindow},
    {{}, {nullptr, ""}, DrawPlace::OwnWindow},
};

TEST(ModuleOptions, WaylandIsChosenOnlyWhereNoXTargetApplies) {
    for (const WaylandCase& line : WAYLAND_CASES) {
        const ModuleCommand command = parseModuleOptions(line.arguments, line.environment);
        const std::string what =
            ::testing::PrintToString(line.arguments) + " with WAYLAND_DISPLAY " +
            (line.environment.waylandDisplay ? line.environment.waylandDisplay : "(unset)");
        ASSERT_EQ(command.action, ModuleAction::Run) << what << ": " << command.message;
        EXPECT_EQ(command.target.place, line.kind) << what;
    }
}

} // namespace
} // namespace kestro

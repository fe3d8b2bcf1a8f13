// The module's command lines, good and bad, with what each must lead to.

#include "linux/module_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestro {
namespace {

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
    // A malformed daemon window is of no matter when it is not used.
    {{"--window-id", "77"}, "junk", DrawPlace::GivenWindow, 77, false},
};

TEST(ModuleOptions, GoodCommandLinesChooseTheirPlaceToDraw) {
    for (const GoodLine& line : GOOD_LINES) {
        const ModuleCommand command = parseModuleOptions(line.arguments, line.screensaverWindow);
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
        EXPECT_EQ(parseModuleOptions(line, nullptr).action, ModuleAction::ShowHelp);
    }
    for (const std::vector<std::string>& line :
         {std::vector<std::string>{"--version"}, {"-version"}, {"--window", "--version"}}) {
        EXPECT_EQ(parseModuleOptions(line, "0x400001").action, ModuleAction::ShowVersion);
    }
}

struct BadLine {
    std::vector<std::string> arguments;
    const char* screensaverWindow;
    const char* named; // what the message must name
};

const BadLine BAD_LINES[] = {
    {{"--frobnicate"}, nullptr, "--frobnicate"},
    {{"-fps"}, nullptr, "-fps"},
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
    {{"--root", "--window-id", "5"}, nullptr, "--root and --window-id"},
    {{"--window-id", "5", "--window"}, nullptr, "--window-id and --window"},
    {{"--fullscreen", "--root"}, nullptr, "--fullscreen and --root"},
    {{}, "0xzz", "XSCREENSAVER_WINDOW"},
    {{"--root"}, "12 ", "XSCREENSAVER_WINDOW"},
};

TEST(ModuleOptions, BadCommandLinesAreRefusedNamingTheOption) {
    for (const BadLine& line : BAD_LINES) {
        const ModuleCommand command = parseModuleOptions(line.arguments, line.screensaverWindow);
        const std::string what = ::testing::PrintToString(line.arguments);
        ASSERT_EQ(command.action, ModuleAction::Refuse) << what;
        EXPECT_NE(command.message.find(line.named), std::string::npos)
            << what << " gave: " << command.message;
        EXPECT_EQ(command.message.find('\n'), std::string::npos) << "one line: " << what;
    }
}

} // namespace
} // namespace kestro

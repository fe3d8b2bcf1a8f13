#include "host/startup/host_startup.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "host/music/music_settings.h"
#include "host/platform/ansi_text.h"
#include "host/platform/file_port_posix.h"
#include "host/startup/settings_file.h"
#include "testing/fake_profile.h"
#include "tests/support/scratch_folder.h"

namespace kestro {
namespace {

struct ProcessEnded {};

// Records what start-up asked for, in order, and the settings it handed on.
// Ending the process unwinds.
class RecordingStartup : public StartupPort, public StartupEvents {
  public:
    explicit RecordingStartup(std::string folder) : folder_(std::move(folder)) {}

    bool windowExists(const std::string& title) override { return openWindows.count(title) > 0; }
    std::string hostFolder() override { return folder_; }
    bool createFolder(const std::string& path) override {
        calls.push_back("createFolder " + path);
        return true;
    }
    void showMessage(const std::string& text, const std::string& caption) override {
        calls.push_back("message");
        messageText = text;
        messageCaption = caption;
    }
    void endProcess() override {
        calls.push_back("end");
        throw ProcessEnded{};
    }
    void hideCursor() override { calls.push_back("hideCursor"); }
    ProfilePort& profile() override {
        calls.push_back("readSettings");
        return profiles;
    }
    FilePort& files() override { return fileSystem; }
    void startPreview(int32_t previewParent) override {
        calls.push_back("preview " + std::to_string(previewParent));
    }
    void showSettingsDialog(const MusicSettings& settings, const std::string& folder) override {
        calls.push_back("settingsDialog");
        handedSettings = settings;
        handedFolder = folder;
    }
    void createSaverWindow(const MusicSettings& settings, const std::string& folder,
                           char modeLetter) override {
        calls.push_back(std::string("saverWindow ") + (modeLetter ? modeLetter : '-'));
        handedSettings = settings;
        handedFolder = folder;
    }

    std::set<std::string> openWindows;
    std::vector<std::string> calls;
    std::string messageText, messageCaption;
    testing::FakeProfile profiles;
    PosixFilePort fileSystem;
    MusicSettings handedSettings;
    std::string handedFolder;

  private:
    std::string folder_;
};

using Calls = std::vector<std::string>;
const std::string CREATE_WORK_FOLDER = std::string("createFolder ") + WORK_FOLDER;

class HostStartupTest : public ::testing::Test {
  protected:
    // Host paths join with "\\", an ordinary character here: the host folder
    // "<temp>/host" holds the renderer when "<temp>/host\\Kestrovalinde.dll" exists.
    void withRenderer() { files.write("host\\Kestrovalinde.dll"); }
    Calls run(const std::string& argumentText) {
        try {
            HostStartup(system, system, argumentText);
        } catch (const ProcessEnded&) {
        }
        return system.calls;
    }

    testing::ScratchFolder files;
    const std::string hostFolder = files.path("host");
    RecordingStartup system{hostFolder};
};

TEST(ModeLetter, SecondCharacterUpperCased) {
    EXPECT_EQ(ModeLetter("/s"), 'S');
    EXPECT_EQ(ModeLetter("-S"), 'S');
    EXPECT_EQ(ModeLetter("xs"), 'S');
    EXPECT_EQ(ModeLetter("/c:1234"), 'C');
    EXPECT_EQ(ModeLetter("/p 99"), 'P');
    EXPECT_EQ(ModeLetter("/"), NO_MODE_LETTER);
    EXPECT_EQ(ModeLetter(""), NO_MODE_LETTER);
}

TEST(PreviewHandle, NumberFromTheFourthCharacter) {
    EXPECT_EQ(PreviewHandleFromArguments("/p 1234"), 1234);
    EXPECT_EQ(PreviewHandleFromArguments("/p:1234"), 1234);
    EXPECT_EQ(PreviewHandleFromArguments("/P  1234"), 1234);
    EXPECT_EQ(PreviewHandleFromArguments("/p 12ab"), 12);
    EXPECT_EQ(PreviewHandleFromArguments("/p 2147483647"), 2147483647);
}

TEST(PreviewHandle, NoNumberOrNoThirtyTwoBitNumberGivesZero) {
    EXPECT_EQ(PreviewHandleFromArguments("/p"), 0);
    EXPECT_EQ(PreviewHandleFromArguments("/p "), 0);
    EXPECT_EQ(PreviewHandleFromArguments("/p abc"), 0);
    EXPECT_EQ(PreviewHandleFromArguments("/p -5"), 0);
    EXPECT_EQ(PreviewHandleFromArguments("/p 2147483648"), 0);
    EXPECT_EQ(PreviewHandleFromArguments("/p " + std::string(400, '9')), 0);
}

TEST_F(HostStartupTest, RunningSaverOrDialogEndsEveryModeAtOnce) {
    withRenderer();
    for (const char* title : {SAVER_WINDOW_TITLE, SETTINGS_WINDOW_TITLE}) {
        for (const char* arguments : {"/s", "/c", "/p 1234", ""}) {
            system.calls.clear();
            system.openWindows = {title};
            EXPECT_EQ(run(arguments), Calls{"end"}) << title << " " << arguments;
        }
    }
}

TEST_F(HostStartupTest, PreviewReadsNothingAndEmbedsInTheGivenWindow) {
    EXPECT_EQ(run("/p 1234"), Calls{"preview 1234"});
    system.calls.clear();
    EXPECT_EQ(run("/p"), Calls{"preview 0"});
}

TEST_F(HostStartupTest, SaverHidesTheCursorOnlyWithItsSwitch) {
    withRenderer();
    const Calls withSwitch{"readSettings", CREATE_WORK_FOLDER, "hideCursor", "saverWindow S"};
    for (const char* arguments : {"/s", "/S", "-s", "xS"}) {
        system.calls.clear();
        EXPECT_EQ(run(arguments), withSwitch) << arguments;
    }
    system.calls.clear();
    EXPECT_EQ(run(""), (Calls{"readSettings", CREATE_WORK_FOLDER, "saverWindow -"}));
}

TEST_F(HostStartupTest, SettingsModeShowsTheDialogThenEnds) {
    withRenderer();
    for (const char* arguments : {"/c", "/C", "/c:1234"}) {
        system.calls.clear();
        const Calls calls = run(arguments);
        ASSERT_GE(calls.size(), 2u);
        EXPECT_EQ(Calls(calls.end() - 2, calls.end()), (Calls{"settingsDialog", "end"}));
    }
}

TEST_F(HostStartupTest, UnknownSwitchEndsSilentlyAfterSettingsAndFolder) {
    withRenderer();
    EXPECT_EQ(run("/x"), (Calls{"readSettings", CREATE_WORK_FOLDER, "end"}));
    system.calls.clear();
    EXPECT_EQ(run("/"), (Calls{"readSettings", CREATE_WORK_FOLDER, "end"}));
}

TEST_F(HostStartupTest, MissingRendererShowsTheMessageAfterTheFolderIsMade) {
    for (const char* arguments : {"/s", "/c", ""}) {
        system.calls.clear();
        EXPECT_EQ(run(arguments), (Calls{"readSettings", CREATE_WORK_FOLDER, "message", "end"}))
            << arguments;
    }
    // Shown through the wide calls; its code page 932 form is the designer's text.
    EXPECT_EQ(
        ansiText(system.messageText),
        "Kestrovalinde.dll \x82\xAA\x93\xAF\x82\xB6\xCC\xAB\xD9\xC0\xDE\x82\xC9\x8C\xA9\x82\xC2"
        "\x82\xA9\x82\xE8\x82\xDC\x82\xB9\x82\xF1\x81\x49");
    EXPECT_EQ(system.messageCaption, "Kestrovalinde (ScreenSaver)");
}

TEST_F(HostStartupTest, SettingsFromTheFileBesideTheHostGoToTheSaverAndTheDialog) {
    withRenderer();
    system.profiles.set(SettingsFilePath(hostFolder), SETTINGS_SECTION, settingsKeyKind(), "1");
    system.profiles.set(SettingsFilePath(hostFolder), SETTINGS_SECTION, settingsKeyRepeatTrack(),
                        "4");
    for (const char* arguments : {"/s", "/c"}) {
        system.handedSettings = {};
        run(arguments);
        EXPECT_EQ(system.handedSettings.BgmKind, 1) << arguments;
        EXPECT_EQ(system.handedSettings.BgmRepeatTrack, 4) << arguments;
        EXPECT_EQ(system.handedSettings.BgmFolder, hostFolder) << arguments;
        EXPECT_EQ(system.handedFolder, hostFolder) << arguments;
    }
}

} // namespace
} // namespace kestro

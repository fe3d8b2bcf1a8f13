// Saving the settings through the real profile and file calls (under Wine):
// a save replaces the file whole, and a file that cannot be written is
// reported and left as it was.
#include "host/settings/settings_port_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "host/platform/file_port_win32.h"
#include "host/settings/settings_save.h"
#include "host/startup/profile_port_win32.h"
#include "host/startup/settings_file.h"
#include "tests/support/scratch_folder.h"

namespace kestro {
namespace {

// Another section and the music kind 2, as the profile calls write them (CP932 keys).
constexpr char EARLIER_FILE[] = "[Other]\r\nkept=yes\r\n[Section]\r\nBGM\x8B\xE6\x95\xAA=2\r\n";

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class SettingsSaveOnTheSystem : public ::testing::Test {
  protected:
    SettingsSaveOnTheSystem() {
        chosen.BgmKind = BGM_AUDIO_CD;
        chosen.BgmFile = "C:\\Music\\a.wav";
    }
    ~SettingsSaveOnTheSystem() override {
        SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL); // lets the folder go
    }

    SaveOutcome save(const std::string& trackBoxText) {
        return SaveMusicSettings(system, file, chosen, trackBoxText);
    }
    std::string stored(const char* section, const std::string& key) {
        return ReadIniValue(profile, section, key, file);
    }

    testing::ScratchFolder scratch;
    const std::string file = SettingsFilePath(scratch.folder());
    Win32ProfilePort profile;
    Win32FilePort files;
    Win32SettingsPort system{profile};
    MusicSettings chosen;
};

TEST_F(SettingsSaveOnTheSystem, SaveReplacesTheKeysKeepsTheRestAndLeavesNoCopy) {
    scratch.write(SETTINGS_FILE_NAME, EARLIER_FILE);
    ASSERT_EQ(save("7"), SaveOutcome::Saved);
    EXPECT_EQ(stored("Section", settingsKeyKind()), "1"); // Wine drops the leading blank
    EXPECT_EQ(stored("Section", settingsKeyRepeatTrack()), "7");
    EXPECT_EQ(stored("Section", settingsKeyFile()), "C:\\Music\\a.wav");
    EXPECT_EQ(stored("Other", "kept"), "yes");
    EXPECT_FALSE(exists(SettingsScratchFilePath(file)));
}

TEST_F(SettingsSaveOnTheSystem, MissingFileIsCreated) {
    ASSERT_EQ(save(""), SaveOutcome::Saved);
    EXPECT_NE(fileBytes(file).find("[Section]"), std::string::npos);
    EXPECT_EQ(ReadSettings(profile, files, scratch.folder()).BgmKind, BGM_AUDIO_CD);
    EXPECT_FALSE(exists(SettingsScratchFilePath(file)));
}

TEST_F(SettingsSaveOnTheSystem, FolderInPlaceOfTheFileIsReportedAndKept) {
    ASSERT_TRUE(CreateDirectoryA(file.c_str(), nullptr));
    EXPECT_EQ(save("7"), SaveOutcome::WriteFailed);
    EXPECT_TRUE(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_FALSE(exists(SettingsScratchFilePath(file)));
}

TEST_F(SettingsSaveOnTheSystem, ReadOnlyFileIsReportedUnchangedAndSavesOnceWritable) {
    scratch.write(SETTINGS_FILE_NAME, EARLIER_FILE);
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(save("7"), SaveOutcome::WriteFailed);
    EXPECT_EQ(fileBytes(file), EARLIER_FILE);
    EXPECT_FALSE(exists(SettingsScratchFilePath(file)));

    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL));
    ASSERT_EQ(save("7"), SaveOutcome::Saved);
    EXPECT_EQ(stored("Section", settingsKeyKind()), "1");
    EXPECT_EQ(stored("Section", settingsKeyRepeatTrack()), "7");
}

} // namespace
} // namespace kestro

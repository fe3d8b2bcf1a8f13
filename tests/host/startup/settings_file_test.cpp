#include "host/startup/settings_file.h"

#include <gtest/gtest.h>

#include "host/platform/file_port_posix.h"
#include "host/platform/path_helpers.h"
#include "testing/fake_profile.h"
#include "tests/support/scratch_folder.h"

namespace kestro {
namespace {

using testing::FakeProfile;
using testing::ScratchFolder;

TEST(SettingNumber, RoundsDownAndRejectsWhatIsNoSixteenBitNumber) {
    EXPECT_EQ(SettingNumber("2"), 2);
    EXPECT_EQ(SettingNumber(" 2"), 2);
    EXPECT_EQ(SettingNumber("1.9"), 1);
    EXPECT_EQ(SettingNumber("-1.5"), -2);
    EXPECT_EQ(SettingNumber("32767"), 32767);
    EXPECT_EQ(SettingNumber("-32768"), -32768);
    EXPECT_EQ(SettingNumber("1e2"), 100);
    for (const char* bad : {"", "   ", "abc", "12abc", "70000", "32768", "-32769", "0x10", "inf",
                            "nan", "1e400", "--1"}) {
        EXPECT_EQ(SettingNumber(bad), std::nullopt) << bad;
    }
}

TEST(SettingNumber, BlanksAreSkippedAlikeOnEitherSide) {
    EXPECT_EQ(SettingNumber("\v3"), 3);
    EXPECT_EQ(SettingNumber("3\v"), 3);
    EXPECT_EQ(SettingNumber("\t3\r\n"), 3);
    EXPECT_EQ(SettingNumber("3 4"), std::nullopt);
}

TEST(SettingNumberText, LeadingBlankUnlessNegative) {
    EXPECT_EQ(SettingNumberText(2), " 2");
    EXPECT_EQ(SettingNumberText(0), " 0");
    EXPECT_EQ(SettingNumberText(-3), "-3");
}

TEST(ReadIniValue, ValueIsCutTo255BytesAndMissingGivesEmpty) {
    FakeProfile profile;
    profile.set("f.ini", "Section", "Long", std::string(300, 'a'));
    EXPECT_EQ(ReadIniValue(profile, "Section", "Long", "f.ini"), std::string(255, 'a'));
    EXPECT_EQ(ReadIniValue(profile, "Section", "Missing", "f.ini"), "");
    EXPECT_EQ(ReadIniValue(profile, "Other", "Long", "f.ini"), "");
    EXPECT_EQ(ReadIniValue(profile, "Section", "Long", "g.ini"), "");
}

TEST(WriteIniValue, OneCallThatTellsWhetherItWasWritten) {
    FakeProfile profile;
    EXPECT_TRUE(WriteIniValue(profile, "Section", settingsKeyKind(), " 2", "f.ini"));
    profile.failFromWrite = 2;
    EXPECT_FALSE(WriteIniValue(profile, "Section", settingsKeyKind(), " 3", "f.ini"));
    ASSERT_EQ(profile.writes.size(), 2u);
    EXPECT_EQ(profile.writes[0].key, settingsKeyKind());
    EXPECT_EQ(profile.writes[0].value, " 2");
}

TEST(WriteIniValue, NamesAreUsedUpTo128Characters) {
    FakeProfile profile;
    WriteIniValue(profile, std::string(200, 's'), std::string(130, 'k'), "v", "f.ini");
    EXPECT_EQ(profile.writes[0].section, std::string(128, 's'));
    EXPECT_EQ(profile.writes[0].key, std::string(128, 'k'));
}

class ReadSettingsTest : public ::testing::Test {
  protected:
    void store(const std::string& key, const std::string& value) {
        profile.set(SettingsFilePath(hostFolder), SETTINGS_SECTION, key, value);
    }

    ScratchFolder files;
    const std::string hostFolder = "C:\\Saver";
    FakeProfile profile;
    PosixFilePort fileSystem;
    MusicSettings settings;
};

TEST_F(ReadSettingsTest, MissingFileGivesNoMusicAndTheHostFolder) {
    settings = ReadSettings(profile, fileSystem, hostFolder);
    EXPECT_EQ(settings.BgmKind, 0);
    EXPECT_EQ(settings.BgmRepeatTrack, 0);
    EXPECT_EQ(settings.BgmFile, "");
    EXPECT_EQ(settings.BgmFolder, hostFolder);
}

TEST_F(ReadSettingsTest, NumbersAreRoundedDownOrDropped) {
    store(settingsKeyKind(), "1.9");
    store(settingsKeyRepeatTrack(), "70000");
    settings = ReadSettings(profile, fileSystem, hostFolder);
    EXPECT_EQ(settings.BgmKind, 1);
    EXPECT_EQ(settings.BgmRepeatTrack, 0);

    store(settingsKeyKind(), "abc");
    store(settingsKeyRepeatTrack(), " 3");
    settings = ReadSettings(profile, fileSystem, hostFolder);
    EXPECT_EQ(settings.BgmKind, 0);
    EXPECT_EQ(settings.BgmRepeatTrack, 3);
}

TEST_F(ReadSettingsTest, MusicFileThatExistsIsKeptWithItsFolder) {
    const std::string song = files.write("song.mp3");
    store(settingsKeyKind(), "2");
    store(settingsKeyFile(), song);
    settings = ReadSettings(profile, fileSystem, hostFolder);
    EXPECT_EQ(settings.BgmKind, 2);
    EXPECT_EQ(settings.BgmFile, song);
    EXPECT_EQ(settings.BgmFolder, FolderOfPath(song));
}

TEST_F(ReadSettingsTest, MissingMusicFileDropsKindTwoOnly) {
    store(settingsKeyKind(), "2");
    store(settingsKeyFile(), files.path("gone.mp3"));
    settings = ReadSettings(profile, fileSystem, hostFolder);
    EXPECT_EQ(settings.BgmKind, 0);
    EXPECT_EQ(settings.BgmFile, "");
    EXPECT_EQ(settings.BgmFolder, hostFolder);

    store(settingsKeyKind(), "1");
    settings = ReadSettings(profile, fileSystem, hostFolder);
    EXPECT_EQ(settings.BgmKind, 1);

    store(settingsKeyKind(), "7");
    store(settingsKeyFile(), "");
    settings = ReadSettings(profile, fileSystem, hostFolder);
    EXPECT_EQ(settings.BgmKind, 7);
}

TEST_F(ReadSettingsTest, OverlongPathIsCutBeforeTheExistenceTest) {
    // A file whose name is the first 255 bytes of a 300-byte value exists.
    const std::string prefix = files.folder() + "/";
    const std::string name(255 - prefix.size(), 'n');
    files.write(name);
    store(settingsKeyKind(), "2");
    store(settingsKeyFile(), prefix + name + std::string(300 - 255, 'z'));
    settings = ReadSettings(profile, fileSystem, hostFolder);
    EXPECT_EQ(settings.BgmKind, 2);
    EXPECT_EQ(settings.BgmFile, prefix + name);
}

TEST_F(ReadSettingsTest, HostInADriveRootDoublesTheSeparator) {
    profile.set("C:\\\\Kestrovalinde.ini", SETTINGS_SECTION, settingsKeyKind(), "1");
    settings = ReadSettings(profile, fileSystem, "C:\\");
    EXPECT_EQ(settings.BgmKind, 1);
}

} // namespace
} // namespace kestro

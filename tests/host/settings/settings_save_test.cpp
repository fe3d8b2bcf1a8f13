#include "host/settings/settings_save.h"

#include <gtest/gtest.h>

#include "host/forms/ansi_text.h"
#include "host/music/music_settings.h"
#include "tests/host/settings/recording_profile.h"

namespace kestro {
namespace {

using testing::ProfileWrite;
using testing::RecordingProfile;

constexpr char FILE_PATH[] = "C:\\saver\\Kestrovalinde.ini";

class SaveMusicSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        BgmKind = BGM_AUDIO_CD;
        BgmRepeatTrack = 9;
        BgmFile = "C:\\Music\\a.mp3";
        BgmFolder = "C:\\Music";
    }

    std::vector<ProfileWrite> expectedWrites(const std::string& kind, const std::string& track,
                                             const std::string& file) {
        // The key names as the settings file holds them in code page 932.
        return {{"Section", "BGM\x8B\xE6\x95\xAA", kind, FILE_PATH},
                {"Section", "BGM\xD8\xCB\xDF\xB0\xC4", track, FILE_PATH},
                {"Section", "BGM\xCC\xA7\xB2\xD9", file, FILE_PATH}};
    }

    RecordingProfile profile;
};

TEST_F(SaveMusicSettingsTest, WritesTheThreeKeysInOrderWithLeadingBlanks) {
    EXPECT_EQ(SaveMusicSettings(profile, FILE_PATH, "12"), SaveOutcome::Saved);
    EXPECT_EQ(profile.writes, expectedWrites(" 1", " 12", "C:\\Music\\a.mp3"));
    EXPECT_EQ(BgmRepeatTrack, 12);
}

TEST_F(SaveMusicSettingsTest, EmptyOrLetterTrackTextSavesZero) {
    EXPECT_EQ(SaveMusicSettings(profile, FILE_PATH, ""), SaveOutcome::Saved);
    EXPECT_EQ(profile.writes[1].value, " 0");
    EXPECT_EQ(BgmRepeatTrack, 0);

    BgmRepeatTrack = 9;
    profile.writes.clear();
    EXPECT_EQ(SaveMusicSettings(profile, FILE_PATH, "abc"), SaveOutcome::Saved);
    EXPECT_EQ(profile.writes[1].value, " 0");
    EXPECT_EQ(BgmRepeatTrack, 0);
}

TEST_F(SaveMusicSettingsTest, FractionalTrackRoundsHalvesToEven) {
    SaveMusicSettings(profile, FILE_PATH, "4.5");
    EXPECT_EQ(profile.writes[1].value, " 4");
    profile.writes.clear();
    SaveMusicSettings(profile, FILE_PATH, "5.5");
    EXPECT_EQ(profile.writes[1].value, " 6");
}

TEST_F(SaveMusicSettingsTest, NegativeNumbersHaveNoBlank) {
    BgmKind = -2;
    SaveMusicSettings(profile, FILE_PATH, "-3");
    EXPECT_EQ(profile.writes, expectedWrites("-2", "-3", "C:\\Music\\a.mp3"));
}

TEST_F(SaveMusicSettingsTest, TrackAndFileAreSavedWhateverTheKind) {
    BgmKind = BGM_NONE;
    SaveMusicSettings(profile, FILE_PATH, "3");
    EXPECT_EQ(profile.writes, expectedWrites(" 0", " 3", "C:\\Music\\a.mp3"));
}

TEST_F(SaveMusicSettingsTest, UnknownKindIsWrittenBackUnchangedAndEmptyFileStillWritten) {
    BgmKind = 7;
    BgmFile.clear();
    SaveMusicSettings(profile, FILE_PATH, "");
    EXPECT_EQ(profile.writes, expectedWrites(" 7", " 0", ""));
}

TEST_F(SaveMusicSettingsTest, TrackBeyondSixteenBitsWritesNothing) {
    EXPECT_EQ(SaveMusicSettings(profile, FILE_PATH, "40000"), SaveOutcome::TrackOutOfRange);
    EXPECT_TRUE(profile.writes.empty());
    EXPECT_EQ(BgmRepeatTrack, 9);
    EXPECT_EQ(SaveMusicSettings(profile, FILE_PATH, "-32769"), SaveOutcome::TrackOutOfRange);
    EXPECT_TRUE(profile.writes.empty());
}

} // namespace
} // namespace kestro

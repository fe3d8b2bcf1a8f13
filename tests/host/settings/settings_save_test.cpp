#include "host/settings/settings_save.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "host/platform/ansi_text.h"
#include "tests/host/settings/fake_settings_system.h"

namespace kestro {
namespace {

using ::testing::ElementsAre;
using testing::FakeSettingsSystem;
using testing::ProfileWrite;

constexpr char FILE_PATH[] = "C:\\saver\\Kestrovalinde.ini";
constexpr char SCRATCH_PATH[] = "C:\\saver\\Kestrovalinde.ini.new";
// The key names as the settings file holds them in code page 932.
constexpr char KIND_KEY[] = "BGM\x8B\xE6\x95\xAA";
constexpr char TRACK_KEY[] = "BGM\xD8\xCB\xDF\xB0\xC4";
constexpr char FILE_KEY[] = "BGM\xCC\xA7\xB2\xD9";

class SaveMusicSettingsTest : public ::testing::Test {
  protected:
    SaveMusicSettingsTest() {
        settings.BgmKind = BGM_AUDIO_CD;
        settings.BgmRepeatTrack = 9;
        settings.BgmFile = "C:\\Music\\a.mp3";
        settings.BgmFolder = "C:\\Music";
        system.files.set(FILE_PATH, "Section", KIND_KEY, " 2");
        system.files.set(FILE_PATH, "Other", "kept", "yes");
    }

    SaveOutcome save(const std::string& trackBoxText) {
        system.files.writes.clear();
        return SaveMusicSettings(system, FILE_PATH, settings, trackBoxText);
    }
    std::vector<ProfileWrite> expectedWrites(const std::string& kind, const std::string& track,
                                             const std::string& file) {
        return {{"Section", KIND_KEY, kind, SCRATCH_PATH},
                {"Section", TRACK_KEY, track, SCRATCH_PATH},
                {"Section", FILE_KEY, file, SCRATCH_PATH}};
    }
    std::string stored(const std::string& section, const std::string& key) {
        return system.files.value(FILE_PATH, section, key);
    }

    FakeSettingsSystem system;
    MusicSettings settings;
};

TEST_F(SaveMusicSettingsTest, ThreeKeysGoToACopyThatThenReplacesTheFile) {
    EXPECT_EQ(save("12"), SaveOutcome::Saved);
    EXPECT_EQ(system.files.writes, expectedWrites(" 1", " 12", "C:\\Music\\a.mp3"));
    EXPECT_THAT(system.log, ElementsAre("copy", "replace"));
    EXPECT_EQ(stored("Section", KIND_KEY), " 1");
    EXPECT_EQ(stored("Section", TRACK_KEY), " 12");
    EXPECT_EQ(stored("Section", FILE_KEY), "C:\\Music\\a.mp3");
    EXPECT_EQ(stored("Other", "kept"), "yes") << "the rest of the file is carried over";
    EXPECT_EQ(settings.BgmRepeatTrack, 12);
}

TEST_F(SaveMusicSettingsTest, EmptyOrLetterTrackTextSavesZero) {
    EXPECT_EQ(save(""), SaveOutcome::Saved);
    EXPECT_EQ(system.files.writes[1].value, " 0");
    EXPECT_EQ(settings.BgmRepeatTrack, 0);

    settings.BgmRepeatTrack = 9;
    EXPECT_EQ(save("abc"), SaveOutcome::Saved);
    EXPECT_EQ(system.files.writes[1].value, " 0");
    EXPECT_EQ(settings.BgmRepeatTrack, 0);
}

TEST_F(SaveMusicSettingsTest, FractionalTrackRoundsHalvesToEven) {
    save("4.5");
    EXPECT_EQ(system.files.writes[1].value, " 4");
    save("5.5");
    EXPECT_EQ(system.files.writes[1].value, " 6");
}

TEST_F(SaveMusicSettingsTest, NegativeNumbersHaveNoBlank) {
    settings.BgmKind = -2;
    save("-3");
    EXPECT_EQ(system.files.writes, expectedWrites("-2", "-3", "C:\\Music\\a.mp3"));
}

TEST_F(SaveMusicSettingsTest, TrackAndFileAreSavedWhateverTheKind) {
    settings.BgmKind = BGM_NONE;
    save("3");
    EXPECT_EQ(system.files.writes, expectedWrites(" 0", " 3", "C:\\Music\\a.mp3"));
}

TEST_F(SaveMusicSettingsTest, UnknownKindIsWrittenBackUnchangedAndEmptyFileStillWritten) {
    settings.BgmKind = 7;
    settings.BgmFile.clear();
    save("");
    EXPECT_EQ(system.files.writes, expectedWrites(" 7", " 0", ""));
}

TEST_F(SaveMusicSettingsTest, TrackBeyondSixteenBitsWritesNothing) {
    EXPECT_EQ(save("40000"), SaveOutcome::TrackOutOfRange);
    EXPECT_EQ(save("-32769"), SaveOutcome::TrackOutOfRange);
    EXPECT_TRUE(system.files.writes.empty());
    EXPECT_TRUE(system.log.empty());
    EXPECT_EQ(settings.BgmRepeatTrack, 9);
}

TEST_F(SaveMusicSettingsTest, AnyFailedWriteLeavesTheFileAsItWas) {
    for (size_t failingWrite : {1u, 2u, 3u}) {
        system.log.clear();
        system.files.failFromWrite = failingWrite;
        EXPECT_EQ(save("5"), SaveOutcome::WriteFailed) << failingWrite;
        EXPECT_EQ(system.files.writes.size(), failingWrite) << "no write after a failed one";
        EXPECT_THAT(system.log, ElementsAre("copy", std::string("remove ") + SCRATCH_PATH));
        EXPECT_EQ(stored("Section", KIND_KEY), " 2");
        EXPECT_EQ(stored("Section", TRACK_KEY), "");
        EXPECT_EQ(system.files.value(SCRATCH_PATH, "Section", KIND_KEY), "") << "no copy left";
    }
}

TEST_F(SaveMusicSettingsTest, FileThatCannotBeCopiedOrReplacedIsReportedAndLeftAlone) {
    system.copies = false;
    EXPECT_EQ(save("5"), SaveOutcome::WriteFailed);
    EXPECT_TRUE(system.files.writes.empty());

    system.copies = true;
    system.failingReplaces = 1;
    system.log.clear();
    EXPECT_EQ(save("5"), SaveOutcome::WriteFailed);
    EXPECT_THAT(system.log, ElementsAre("copy", "replace", std::string("remove ") + SCRATCH_PATH));
    EXPECT_EQ(stored("Section", KIND_KEY), " 2");
    EXPECT_EQ(system.files.value(SCRATCH_PATH, "Section", KIND_KEY), "");
}

TEST(SaveFailedMessage, NamesTheFileAfterTheCodePage932Text) {
    // "設定を保存できませんでした。", shown through the wide calls.
    EXPECT_EQ(ansiText(SaveFailedMessage(FILE_PATH)),
              "\x90\xDD\x92\xE8\x82\xF0\x95\xDB\x91\xB6\x82\xC5\x82\xAB\x82\xDC\x82\xB9\x82\xF1"
              "\x82\xC5\x82\xB5\x82\xBD\x81\x42\nC:\\saver\\Kestrovalinde.ini");
}

TEST(SaveFailedMessage, ShowsAStoredJapanesePathAsItsCharacters) {
    // The path comes in the system code page: "C:\表\Kestrovalinde.ini".
    const std::string message = SaveFailedMessage("C:\\\x95\x5C\\Kestrovalinde.ini");
    EXPECT_EQ(message.substr(message.find('\n') + 1), "C:\\表\\Kestrovalinde.ini");
}

} // namespace
} // namespace kestro

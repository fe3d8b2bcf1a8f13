#include "host/music/music_player.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/host/music/recording_mci.h"

namespace kestro {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::MciAnswer;
using testing::RecordingMci;

constexpr int32_t MCIERR_INVALID_DEVICE_NAME = 263;
constexpr int32_t MCIERR_OUTOFRANGE = 282;

const char CURRENT_TRACK[] = "status cdaudio current track";
const char TRACK_COUNT[] = "status cdaudio number of tracks";
const char CD_MODE[] = "status cdaudio mode";
const char MP3_MODE[] = "status MP3Play mode";

class MusicPlayerTest : public ::testing::Test {
  protected:
    // A disc in the drive: the given track is current, in the given mode.
    void discAt(int track, const std::string& mode) {
        mci.answers[CURRENT_TRACK] = {0, std::to_string(track)};
        mci.answers[TRACK_COUNT] = {0, "9"};
        mci.answers[CD_MODE] = {0, mode};
    }

    std::vector<std::string> log;
    RecordingMci mci{log};
    MusicPlayer player{mci};
};

std::string bytes(std::initializer_list<int> values) {
    std::string text;
    for (int value : values)
        text.push_back(static_cast<char>(value));
    return text;
}

TEST_F(MusicPlayerTest, EmptyCommandIsNotSentAndRepliesInCodePage932) {
    std::string reply;
    EXPECT_EQ(player.MciSend("", reply), -1);
    EXPECT_EQ(reply, bytes({0x83, 0x52, 0x83, 0x7d, 0x83, 0x93, 0x83, 0x68, 0x95, 0xb6, 0x8e, 0x9a,
                            0x97, 0xf1, 0x82, 0xaa, 0x8e, 0x77, 0x92, 0xe8, 0x82, 0xb3, 0x82, 0xea,
                            0x82, 0xc4, 0x82, 0xa2, 0x82, 0xdc, 0x82, 0xb9, 0x82, 0xf1}));
    EXPECT_THAT(log, IsEmpty());

    // MciQuery turns the code into its text, minus sign kept.
    EXPECT_EQ(player.MciQuery(""), "Error:-1");
}

TEST_F(MusicPlayerTest, SendOffersTheReturnBufferAndCutsTheReplyAtItsNul) {
    mci.answers["status cdaudio length"] = {0, std::string("48:12\0junk", 10)};
    std::string reply;
    EXPECT_EQ(player.MciSend("status cdaudio length", reply), 0);
    EXPECT_EQ(reply, "48:12");
    EXPECT_THAT(log, ElementsAre("mci:status cdaudio length/512"));
}

TEST_F(MusicPlayerTest, FailedSendRepliesTheErrorTextOrTheFallbackText) {
    mci.answers["open nothing"] = {MCIERR_INVALID_DEVICE_NAME, ""};
    mci.errorTexts[MCIERR_INVALID_DEVICE_NAME] = "The specified device is not open.";
    std::string reply;
    EXPECT_EQ(player.MciSend("open nothing", reply), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(reply, "The specified device is not open.");

    mci.errorTexts.clear();
    EXPECT_EQ(player.MciSend("open nothing", reply), MCIERR_INVALID_DEVICE_NAME);
    // "Error (文字列が取れません)"
    EXPECT_EQ(reply, "Error (" +
                         bytes({0x95, 0xb6, 0x8e, 0x9a, 0x97, 0xf1, 0x82, 0xaa, 0x8e, 0xe6, 0x82,
                                0xea, 0x82, 0xdc, 0x82, 0xb9, 0x82, 0xf1}) +
                         ")");
}

TEST_F(MusicPlayerTest, QueryGivesTheReplyOrErrorAndTheCode) {
    mci.answers["status cdaudio mode"] = {0, "playing"};
    EXPECT_EQ(player.MciQuery("status cdaudio mode"), "playing");
    EXPECT_EQ(player.MciReply, "playing");

    mci.answers["status cdaudio mode"] = {MCIERR_INVALID_DEVICE_NAME, ""};
    mci.errorTexts[MCIERR_INVALID_DEVICE_NAME] = "not open";
    EXPECT_EQ(player.MciQuery("status cdaudio mode"), "Error:263");
    EXPECT_EQ(player.MciReply, "not open");
}

TEST_F(MusicPlayerTest, PlayCommandLeavesOutMissingPositions) {
    player.MciPlay("cdaudio", "", "");
    player.MciPlay("cdaudio", "03:00:00:00", "");
    player.MciPlay("cdaudio", "", "05");
    player.MciPlay("cdaudio", "2", "5");
    EXPECT_THAT(log, ElementsAre("mci:play cdaudio/512", "mci:play cdaudio from 03:00:00:00/512",
                                 "mci:play cdaudio to 05/512", "mci:play cdaudio from 2 to 5/512"));
}

TEST_F(MusicPlayerTest, OpeningTheCdSetsTrackTimeAndKeepsTheSecondResult) {
    mci.answers["open cdaudio"] = {0, ""};
    mci.answers["set cdaudio time format tmsf"] = {MCIERR_INVALID_DEVICE_NAME, ""};
    EXPECT_EQ(player.BgmOpenCd(), MCIERR_INVALID_DEVICE_NAME);
    EXPECT_THAT(log, ElementsAre("mci:open cdaudio/-", "mci:set cdaudio time format tmsf/-"));

    log.clear();
    mci.answers["stop cdaudio"] = {MCIERR_INVALID_DEVICE_NAME, ""};
    EXPECT_EQ(player.BgmCloseCd(), 0);
    EXPECT_THAT(log, ElementsAre("mci:stop cdaudio/-", "mci:close cdaudio/-"));
}

TEST_F(MusicPlayerTest, WholeDiscIsStartedWheneverItIsFoundStopped) {
    discAt(1, "stopped");
    player.BgmPollCd(0);
    EXPECT_EQ(player.CdAvailable, BOOL16_TRUE);
    EXPECT_THAT(log, ElementsAre("mci:status cdaudio current track/512",
                                 "mci:status cdaudio number of tracks/512",
                                 "mci:status cdaudio mode/255", "mci:play cdaudio/512"));

    log.clear();
    discAt(4, "playing");
    player.BgmPollCd(0);
    EXPECT_EQ(player.CdAvailable, BOOL16_TRUE);
    EXPECT_THAT(log, ElementsAre("mci:status cdaudio current track/512",
                                 "mci:status cdaudio number of tracks/512",
                                 "mci:status cdaudio mode/255"));
}

TEST_F(MusicPlayerTest, RepeatTrackIsPlayedAgainOnceTheDiscMovesOnOrStops) {
    mci.answers["status cdaudio position track 3"] = {0, "03:00:00:00"};

    discAt(3, "playing");
    player.BgmPollCd(3);
    EXPECT_EQ(log.size(), 3u) << "the repeated track is playing: only the three queries";

    log.clear();
    discAt(4, "playing");
    player.BgmPollCd(3);
    EXPECT_THAT(log, ElementsAre("mci:status cdaudio current track/512",
                                 "mci:status cdaudio number of tracks/512",
                                 "mci:status cdaudio mode/255",
                                 "mci:status cdaudio position track 3/512",
                                 "mci:play cdaudio from 03:00:00:00/512"));

    log.clear();
    discAt(3, "stopped");
    player.BgmPollCd(3);
    EXPECT_THAT(log, ElementsAre("mci:status cdaudio current track/512",
                                 "mci:status cdaudio number of tracks/512",
                                 "mci:status cdaudio mode/255",
                                 "mci:status cdaudio position track 3/512",
                                 "mci:play cdaudio from 03:00:00:00/512"));
    EXPECT_EQ(player.CdAvailable, BOOL16_TRUE);
}

TEST_F(MusicPlayerTest, TrackBeyondTheLastFailsOnEveryTickButKeepsTheWatcherOn) {
    discAt(1, "stopped");
    mci.answers["status cdaudio position track 12"] = {MCIERR_OUTOFRANGE, ""};
    mci.answers["play cdaudio from Error:282"] = {MCIERR_OUTOFRANGE, ""};
    for (int tick = 0; tick < 2; ++tick) {
        log.clear();
        player.BgmPollCd(12);
        EXPECT_EQ(player.CdAvailable, BOOL16_TRUE);
        EXPECT_THAT(log, ElementsAre("mci:status cdaudio current track/512",
                                     "mci:status cdaudio number of tracks/512",
                                     "mci:status cdaudio mode/255",
                                     "mci:status cdaudio position track 12/512",
                                     "mci:play cdaudio from Error:282/512"));
    }
}

TEST_F(MusicPlayerTest, CdThatStopsAnsweringEndsTheTickUnavailable) {
    mci.answers[CURRENT_TRACK] = {MCIERR_INVALID_DEVICE_NAME, ""};
    player.BgmPollCd(0);
    EXPECT_EQ(player.CdAvailable, BOOL16_FALSE);
    EXPECT_THAT(log, ElementsAre("mci:status cdaudio current track/512"));

    log.clear();
    discAt(2, "playing");
    mci.answers[TRACK_COUNT] = {MCIERR_INVALID_DEVICE_NAME, ""};
    player.BgmPollCd(0);
    EXPECT_EQ(player.CdAvailable, BOOL16_FALSE);
    EXPECT_THAT(log, ElementsAre("mci:status cdaudio current track/512",
                                 "mci:status cdaudio number of tracks/512"));
}

TEST_F(MusicPlayerTest, FailureMarkIsFoundInAnyCaseButNotInsideTwoByteCharacters) {
    discAt(1, "playing");
    mci.answers[CURRENT_TRACK] = {0, "device error"}; // a reply, not a code, saying it failed
    player.BgmPollCd(0);
    EXPECT_EQ(player.CdAvailable, BOOL16_FALSE);

    // "ノ" is 83 6D in code page 932: its second byte is no "m"; likewise a
    // character whose second byte is "e" is no "E".
    discAt(1, "playing");
    mci.answers[TRACK_COUNT] = {0, bytes({0x83, 0x65}) + "rr"};
    player.BgmPollCd(0);
    EXPECT_EQ(player.CdAvailable, BOOL16_TRUE);
}

TEST_F(MusicPlayerTest, CurrentTrackThatIsNoNumberMakesTheCdUnavailable) {
    discAt(1, "playing");
    mci.answers[CURRENT_TRACK] = {0, "two"};
    player.BgmPollCd(2);
    EXPECT_EQ(player.CdAvailable, BOOL16_FALSE);
    EXPECT_EQ(log.size(), 3u) << "nothing is played from an unknown track";
}

TEST_F(MusicPlayerTest, ModeFromAFailedQueryIsNotAnOlderReply) {
    discAt(1, "stopped");
    player.BgmPollCd(0);
    log.clear();
    mci.answers[CD_MODE] = {MCIERR_INVALID_DEVICE_NAME, ""};
    player.BgmPollCd(0);
    EXPECT_EQ(log.size(), 3u) << "a stale 'stopped' must not start the disc";
}

TEST_F(MusicPlayerTest, Mp3IsOpenedInQuotesAndPlayedOnlyWhenItOpened) {
    const std::string file = "C:\\My Music\\long song.mp3";
    player.BgmPlayMp3(file);
    EXPECT_THAT(
        log, ElementsAre("mci:open \"C:\\My Music\\long song.mp3\" type MPEGVideo Alias MP3Play/-",
                         "mci:play MP3Play/-"));

    log.clear();
    mci.answers["open \"C:\\My Music\\long song.mp3\" type MPEGVideo Alias MP3Play"] = {
        MCIERR_INVALID_DEVICE_NAME, ""};
    player.BgmPlayMp3(file);
    EXPECT_THAT(
        log,
        ElementsAre("mci:open \"C:\\My Music\\long song.mp3\" type MPEGVideo Alias MP3Play/-"));
}

TEST_F(MusicPlayerTest, Mp3IsRestartedFromItsStartOnlyWhenNotPlaying) {
    mci.answers[MP3_MODE] = {0, "playing"};
    EXPECT_TRUE(player.BgmIsMp3Playing());
    player.BgmRestartMp3();
    EXPECT_THAT(log, ElementsAre("mci:status MP3Play mode/30", "mci:status MP3Play mode/30"));

    log.clear();
    mci.answers[MP3_MODE] = {0, "stopped"};
    player.BgmRestartMp3();
    EXPECT_THAT(log, ElementsAre("mci:status MP3Play mode/30", "mci:stop MP3Play/-",
                                 "mci:play MP3Play from 0/-"));

    log.clear();
    mci.answers[MP3_MODE] = {MCIERR_INVALID_DEVICE_NAME, ""}; // never opened
    player.BgmRestartMp3();
    EXPECT_EQ(log.size(), 3u) << "the watcher keeps trying, each command failing";

    log.clear();
    player.BgmCloseMp3();
    EXPECT_THAT(log, ElementsAre("mci:stop MP3Play/-", "mci:close MP3Play/-"));
}

TEST_F(MusicPlayerTest, WavLoopsOnlyWithAWaveDeviceAndStopsWithTheEmptyCall) {
    const std::string file = "C:\\Music\\loop.wav";
    EXPECT_EQ(player.BgmPlayWav(file), 0);
    EXPECT_THAT(log, IsEmpty());

    mci.waveDevices = 1;
    mci.playSoundResult = 1;
    EXPECT_EQ(player.BgmPlayWav(file), 1);
    EXPECT_THAT(log, ElementsAre("sound:C:\\Music\\loop.wav/9"));

    mci.playSoundResult = 0;
    EXPECT_EQ(player.BgmStopWav(), 0);
    EXPECT_THAT(log, ElementsAre("sound:C:\\Music\\loop.wav/9", "sound:(none)/0"));
}

} // namespace
} // namespace kestro

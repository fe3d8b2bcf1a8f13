#include "host/screens/saver_screen.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "tests/host/music/recording_mci.h"
#include "tests/host/screens/recording_saver_port.h"

namespace kestro {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::RecordingMci;
using testing::RecordingSaverPort;

constexpr char HOST_FOLDER[] = "C:\\Program Files\\Kestro";
constexpr int32_t MCIERR_HARDWARE = 262;

class SaverScreenTest : public ::testing::Test {
  protected:
    // A new saver screen for the settings, started from the mode letter "S".
    SaverScreen& screenWith(MusicSettings settings, char modeLetter = 'S') {
        current = std::make_unique<SaverScreen>(port, port, mci, std::move(settings), HOST_FOLDER,
                                                modeLetter);
        port.screen = current.get();
        return *current;
    }
    SaverScreen& screenWith(int16_t kind, const std::string& file = "") {
        MusicSettings settings;
        settings.BgmKind = kind;
        settings.BgmFile = file;
        return screenWith(settings);
    }

    // Ticks of the renderer watcher until the saver closes or the time runs out.
    uint32_t millisecondsUntilClosed(uint32_t limitMs) {
        for (uint32_t waited = 0; waited <= limitMs; waited += RENDERER_WATCH_INTERVAL_MS) {
            if (!port.timers[SaverTimer::RendererWatch])
                return waited;
            current->onRendererWatchTimer();
            if (!port.timers[SaverTimer::RendererWatch])
                return waited;
            port.now += RENDERER_WATCH_INTERVAL_MS;
        }
        return UINT32_MAX;
    }

    std::vector<std::string> log;
    RecordingMci mci{log};
    RecordingSaverPort port{log};
    std::unique_ptr<SaverScreen> current;
};

TEST_F(SaverScreenTest, LoadWritesTheSpriteThenStartsTheRendererThenTheCd) {
    SaverScreen& screen = screenWith(BGM_AUDIO_CD);
    screen.onLoad();
    EXPECT_THAT(log, ElementsAre("save sprite C:\\v_nalo\\Kestrovalinde.bmp",
                                 "start C:\\Program Files\\Kestro\\Kestrovalinde.dll",
                                 "mci:open cdaudio/-", "mci:set cdaudio time format tmsf/-",
                                 "enable CdWatch"));
}

TEST_F(SaverScreenTest, UnwritableSpriteStillStartsTheRenderer) {
    SaverScreen& screen = screenWith(BGM_NONE);
    port.spriteSaves = false;
    screen.onLoad();
    EXPECT_THAT(log, ElementsAre("save sprite C:\\v_nalo\\Kestrovalinde.bmp",
                                 "start C:\\Program Files\\Kestro\\Kestrovalinde.dll"));
}

TEST_F(SaverScreenTest, MusicFileIsPlayedByItsEndingAndStoppedTheSameWay) {
    SaverScreen& screen = screenWith(BGM_MUSIC_FILE, "D:\\tunes\\song.Mp3");
    screen.onLoad();
    log.erase(log.begin(), log.begin() + 2);
    EXPECT_THAT(log, ElementsAre("mci:open \"D:\\tunes\\song.Mp3\" type MPEGVideo Alias MP3Play/-",
                                 "mci:play MP3Play/-", "enable Mp3Restart"));
    log.clear();
    screen.onClose();
    EXPECT_THAT(log, ElementsAre("disable Mp3Restart", "mci:stop MP3Play/-", "mci:close MP3Play/-",
                                 "show cursor", "end process"));

    log.clear();
    mci.waveDevices = 1;
    SaverScreen& wavScreen = screenWith(BGM_MUSIC_FILE, "D:\\tunes\\loop.WAV");
    wavScreen.onLoad();
    wavScreen.onClose();
    EXPECT_THAT(log, ElementsAre("save sprite C:\\v_nalo\\Kestrovalinde.bmp",
                                 "start C:\\Program Files\\Kestro\\Kestrovalinde.dll",
                                 "sound:D:\\tunes\\loop.WAV/9", "sound:(none)/0", "show cursor",
                                 "end process"));
}

TEST_F(SaverScreenTest, NoMusicForOtherEndingsAndOtherKinds) {
    for (auto [kind, file] : {std::pair<int16_t, const char*>{BGM_MUSIC_FILE, "D:\\tune.mid"},
                              {BGM_NONE, "D:\\tune.mp3"},
                              {3, "D:\\tune.mp3"},
                              {-1, "D:\\tune.wav"}}) {
        log.clear();
        SaverScreen& screen = screenWith(kind, file);
        screen.onLoad();
        screen.onClose();
        EXPECT_THAT(log, ElementsAre("save sprite C:\\v_nalo\\Kestrovalinde.bmp",
                                     "start C:\\Program Files\\Kestro\\Kestrovalinde.dll",
                                     "show cursor", "end process"))
            << "kind " << kind << " file " << file;
    }
}

TEST_F(SaverScreenTest, CdWatcherFollowsTheDiscAndTheCdIsClosedAtTheEnd) {
    SaverScreen& screen = screenWith(BGM_AUDIO_CD);
    screen.onLoad();
    mci.answers["status cdaudio current track"] = {0, "1"};
    mci.answers["status cdaudio mode"] = {0, "stopped"};
    log.clear();
    screen.onCdWatchTimer();
    EXPECT_THAT(log, ElementsAre("mci:status cdaudio current track/512",
                                 "mci:status cdaudio number of tracks/512",
                                 "mci:status cdaudio mode/255", "mci:play cdaudio/512",
                                 "enable CdWatch"));
    log.clear();
    screen.onClose();
    EXPECT_THAT(log, ElementsAre("disable CdWatch", "mci:stop cdaudio/-", "mci:close cdaudio/-",
                                 "show cursor", "end process"));
}

TEST_F(SaverScreenTest, CdThatStopsAnsweringSwitchesTheWatcherOffForGood) {
    SaverScreen& screen = screenWith(BGM_AUDIO_CD);
    mci.answers["open cdaudio"] = {MCIERR_HARDWARE, ""};
    mci.answers["status cdaudio current track"] = {MCIERR_HARDWARE, ""};
    screen.onLoad();
    log.clear();
    screen.onCdWatchTimer();
    EXPECT_THAT(log, ElementsAre("mci:status cdaudio current track/512", "disable CdWatch"));
    EXPECT_FALSE(port.timers[SaverTimer::CdWatch]);

    // The device is then left as it is at the end.
    log.clear();
    screen.onClose();
    EXPECT_THAT(log, ElementsAre("show cursor", "end process"));
}

TEST_F(SaverScreenTest, Mp3WatcherRestartsTheFile) {
    SaverScreen& screen = screenWith(BGM_NONE);
    mci.answers["status MP3Play mode"] = {0, "stopped"};
    screen.onMp3RestartTimer();
    EXPECT_THAT(log, ElementsAre("mci:status MP3Play mode/30", "mci:stop MP3Play/-",
                                 "mci:play MP3Play from 0/-"));
}

TEST_F(SaverScreenTest, RendererGoneClosesTheSaverWithTheMusicStopped) {
    SaverScreen& screen = screenWith(BGM_AUDIO_CD);
    screen.onLoad();
    port.rendererWindow = true;
    EXPECT_EQ(millisecondsUntilClosed(3000), UINT32_MAX) << "kept open while the window exists";
    port.rendererWindow = false;
    log.clear();
    EXPECT_EQ(millisecondsUntilClosed(3000), 0u) << "closed at the first tick without it";
    EXPECT_THAT(log, ElementsAre("disable RendererWatch", "close window", "disable CdWatch",
                                 "mci:stop cdaudio/-", "mci:close cdaudio/-", "show cursor",
                                 "end process"));
}

TEST_F(SaverScreenTest, SlowRendererIsWaitedForThenWatched) {
    SaverScreen& screen = screenWith(BGM_NONE);
    screen.onLoad();
    // The window shows up 4 s after the start: the watcher waits for it.
    EXPECT_EQ(millisecondsUntilClosed(4000), UINT32_MAX);
    port.rendererWindow = true;
    screen.onRendererWatchTimer();
    port.now += 20000; // long past the grace period, the renderer still runs
    screen.onRendererWatchTimer();
    EXPECT_TRUE(port.timers[SaverTimer::RendererWatch]);
    port.rendererWindow = false;
    EXPECT_EQ(millisecondsUntilClosed(3000), 0u);
}

TEST_F(SaverScreenTest, RendererThatNeverShowsAWindowCountsAsGoneAfterTheGracePeriod) {
    SaverScreen& screen = screenWith(BGM_NONE);
    screen.onLoad();
    const uint32_t waited = millisecondsUntilClosed(RENDERER_APPEAR_GRACE_MS + 2000);
    EXPECT_GE(waited, RENDERER_APPEAR_GRACE_MS);
    EXPECT_LT(waited, RENDERER_APPEAR_GRACE_MS + RENDERER_WATCH_INTERVAL_MS);
}

TEST_F(SaverScreenTest, RendererThatEndedBeforeItsWindowWasSeenEndsTheSaverAtTheNextTick) {
    SaverScreen& screen = screenWith(BGM_NONE);
    screen.onLoad();
    EXPECT_EQ(millisecondsUntilClosed(2000), UINT32_MAX) << "still opening: waited for";
    // Its window came and went between two ticks (Escape right at the start).
    port.rendererRunning = false;
    EXPECT_EQ(millisecondsUntilClosed(3000), 0u);
}

TEST_F(SaverScreenTest, GracePeriodSurvivesTheTickCounterWrapping) {
    SaverScreen& screen = screenWith(BGM_NONE);
    port.now = UINT32_MAX - 1000;
    screen.onLoad();
    EXPECT_EQ(millisecondsUntilClosed(4000), UINT32_MAX);
}

TEST_F(SaverScreenTest, RendererThatCouldNotStartEndsTheSaverAtTheFirstTick) {
    SaverScreen& screen = screenWith(BGM_NONE);
    port.programStarts = false;
    screen.onLoad();
    EXPECT_EQ(millisecondsUntilClosed(3000), 0u);
}

TEST_F(SaverScreenTest, CursorIsShownAgainOnlyWhenStartupHidIt) {
    for (char mode : {'\0', 'X'}) {
        log.clear();
        screenWith(MusicSettings{}, mode).onClose();
        EXPECT_THAT(log, ElementsAre("end process")) << "mode " << static_cast<int>(mode);
    }
}

} // namespace
} // namespace kestro

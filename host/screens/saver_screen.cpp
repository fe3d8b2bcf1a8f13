#include "host/screens/saver_screen.h"

#include "host/music/music_file_type.h"
#include "host/music/music_player.h"
#include "host/music/music_settings.h"
#include "host/startup/host_startup.h"
#include "host/startup/path_helpers.h"

namespace kestro {

SaverScreen::SaverScreen(SaverPort& port, std::string hostFolder, char modeLetter)
    : port_(port), hostFolder_(std::move(hostFolder)), modeLetter_(modeLetter) {}

void SaverScreen::onLoad() {
    // The renderer reads the sprite as soon as its window exists, so the
    // file is complete before the renderer starts.
    port_.saveSprite(SPRITE_FILE_PATH);

    rendererStarted_ = port_.startProgram(PathInFolder(hostFolder_, RENDERER_FILE_NAME));
    rendererStartTick_ = port_.tickCount();

    if (BgmKind == BGM_AUDIO_CD) {
        BgmOpenCd();
        port_.setTimerEnabled(SaverTimer::Timer2, true);  // the first tick starts the disc
    } else if (BgmKind == BGM_MUSIC_FILE) {
        switch (MusicFileTypeOf(BgmFile)) {
        case MusicFileType::Wav:
            BgmPlayWav();
            break;
        case MusicFileType::Mp3:
            BgmPlayMp3();
            port_.setTimerEnabled(SaverTimer::Timer1, true);
            break;
        case MusicFileType::Other:
            break;
        }
    }
}

void SaverScreen::onTimer1() { BgmRestartMp3(); }

void SaverScreen::onTimer2() {
    BgmPollCd();
    port_.setTimerEnabled(SaverTimer::Timer2, CdAvailable != BGM_FALSE);
}

void SaverScreen::onTimer3() {
    if (!rendererGone()) return;
    port_.setTimerEnabled(SaverTimer::Timer3, false);
    port_.closeWindow();
}

bool SaverScreen::rendererGone() {
    if (port_.windowExists(RENDERER_WINDOW_TITLE)) {
        rendererSeen_ = true;
        return false;
    }
    if (rendererSeen_ || !rendererStarted_) return true;
    // Started but not shown yet: still opening, until the grace period is over.
    const uint32_t waited = port_.tickCount() - rendererStartTick_;
    return waited >= RENDERER_APPEAR_GRACE_MS;
}

void SaverScreen::onClose() {
    if (port_.timerEnabled(SaverTimer::Timer2)) {
        port_.setTimerEnabled(SaverTimer::Timer2, false);
        BgmCloseCd();
    }
    if (BgmKind == BGM_MUSIC_FILE) {
        switch (MusicFileTypeOf(BgmFile)) {
        case MusicFileType::Wav:
            BgmStopWav();
            break;
        case MusicFileType::Mp3:
            port_.setTimerEnabled(SaverTimer::Timer1, false);
            BgmCloseMp3();
            break;
        case MusicFileType::Other:
            break;
        }
    }
    if (modeLetter_ == MODE_SAVER) port_.showCursor();
    port_.endProcess();
}

} // namespace kestro

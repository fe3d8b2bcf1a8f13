#include "host/screens/saver_screen.h"

#include "host/music/music_file_type.h"
#include "host/platform/path_helpers.h"
#include "host/startup/host_startup.h"

namespace kestro {

SaverScreen::SaverScreen(SaverPort& system, SaverScreenEvents& window, MciPort& mci,
                         MusicSettings settings, std::string hostFolder, char modeLetter)
    : system_(system), window_(window), player_(mci), settings_(std::move(settings)),
      hostFolder_(std::move(hostFolder)), modeLetter_(modeLetter) {}

void SaverScreen::onLoad() {
    // The renderer reads the sprite as soon as its window exists, so the
    // file is complete before the renderer starts.
    system_.saveSprite(SPRITE_FILE_PATH);

    rendererStarted_ = system_.startProgram(PathInFolder(hostFolder_, RENDERER_FILE_NAME));
    rendererStartTick_ = system_.tickCount();

    if (settings_.BgmKind == BGM_AUDIO_CD) {
        player_.BgmOpenCd();
        window_.setTimerEnabled(SaverTimer::CdWatch, true); // the first tick starts the disc
    } else if (settings_.BgmKind == BGM_MUSIC_FILE) {
        switch (MusicFileTypeOf(settings_.BgmFile)) {
        case MusicFileType::Wav:
            player_.BgmPlayWav(settings_.BgmFile);
            break;
        case MusicFileType::Mp3:
            player_.BgmPlayMp3(settings_.BgmFile);
            window_.setTimerEnabled(SaverTimer::Mp3Restart, true);
            break;
        case MusicFileType::Other:
            break;
        }
    }
}

void SaverScreen::onMp3RestartTimer() {
    player_.BgmRestartMp3();
}

void SaverScreen::onCdWatchTimer() {
    player_.BgmPollCd(settings_.BgmRepeatTrack);
    window_.setTimerEnabled(SaverTimer::CdWatch, player_.CdAvailable != BOOL16_FALSE);
}

void SaverScreen::onRendererWatchTimer() {
    if (!rendererGone())
        return;
    window_.setTimerEnabled(SaverTimer::RendererWatch, false);
    window_.closeWindow();
}

bool SaverScreen::rendererGone() {
    if (system_.windowExists(RENDERER_WINDOW_TITLE)) {
        rendererSeen_ = true;
        return false;
    }
    if (rendererSeen_ || !rendererStarted_)
        return true;
    // Started, never seen, and ended already: its window came and went
    // between two looks (Escape at once), or never came. Either way it will
    // not show one any more.
    if (!system_.startedProgramRunning())
        return true;
    // Started but not shown yet: still opening, until the grace period is over.
    const uint32_t waited = system_.tickCount() - rendererStartTick_;
    return waited >= RENDERER_APPEAR_GRACE_MS;
}

void SaverScreen::onClose() {
    if (window_.timerEnabled(SaverTimer::CdWatch)) {
        window_.setTimerEnabled(SaverTimer::CdWatch, false);
        player_.BgmCloseCd();
    }
    if (settings_.BgmKind == BGM_MUSIC_FILE) {
        switch (MusicFileTypeOf(settings_.BgmFile)) {
        case MusicFileType::Wav:
            player_.BgmStopWav();
            break;
        case MusicFileType::Mp3:
            window_.setTimerEnabled(SaverTimer::Mp3Restart, false);
            player_.BgmCloseMp3();
            break;
        case MusicFileType::Other:
            break;
        }
    }
    if (modeLetter_ == MODE_SAVER)
        system_.showCursor();
    system_.endProcess();
}

} // namespace kestro

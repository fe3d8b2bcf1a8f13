#pragma once
// Kestrovalinde_BGM (the designer's name for the music module, kept with the
// names of its calls): background music while the saver runs. An audio CD is
// kept playing by a watcher tick; an MP3 file is played through MCI and
// restarted by a watcher tick; a WAV file is looped by the system.
// Nothing here is ever reported to the user: a failure shows only in the
// code a call returns or in the reply text.

#include <cstdint>
#include <string>

#include "host/music/mci_port.h"
#include "host/platform/bool16.h"

namespace kestro {

// Reply buffer sizes handed to MCI.
constexpr uint32_t MCI_RETURN_TEXT_LENGTH = 512;
constexpr uint32_t MCI_ERROR_TEXT_LENGTH = 256;
constexpr uint32_t CD_MODE_TEXT_SIZE = 256;
constexpr uint32_t CD_MODE_TEXT_OFFERED = 255;
constexpr uint32_t MP3_MODE_TEXT_LENGTH = 30;

constexpr int32_t MCI_EMPTY_COMMAND = -1;
constexpr uint32_t PLAY_SOUND_LOOP_ASYNC = 0x0001 | 0x0008; // SND_ASYNC | SND_LOOP
constexpr uint32_t PLAY_SOUND_STOP = 0;

// The reply of an empty command and of an error without a text, ANSI.
std::string emptyCommandReply();     // "コマンド文字列が指定されていません"
std::string missingErrorTextReply(); // "Error (文字列が取れません)"

class MusicPlayer {
  public:
    explicit MusicPlayer(MciPort& mci) : mci_(mci) {}
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    // Sends one command; returns the MCI code (0 = success, -1 for an empty
    // command) and puts the reply or error text into reply.
    int32_t MciSend(const std::string& command, std::string& reply);
    // The reply of the command (also kept in MciReply), or "Error:" followed
    // by the code.
    std::string MciQuery(const std::string& command);
    // "play <device>[ from <from>][ to <to>]"; an empty from or to is left out.
    int32_t MciPlay(const std::string& device, const std::string& from, const std::string& to);

    // Each returns the code of its last command.
    int32_t BgmOpenCd();
    // One audio-CD watcher tick: keeps the disc (or the repeated track, when
    // repeatTrack is not 0) playing; sets CdAvailable.
    void BgmPollCd(int16_t repeatTrack);
    int32_t BgmCloseCd();

    void BgmPlayMp3(const std::string& file);
    bool BgmIsMp3Playing();
    void BgmRestartMp3(); // one MP3 watcher tick
    void BgmCloseMp3();

    // The system's result, or 0 when there is no wave device to play on.
    int32_t BgmPlayWav(const std::string& file);
    int32_t BgmStopWav();

    // Outcome of the last audio-CD watcher tick (BOOL16_TRUE or BOOL16_FALSE); the
    // saver switches its CD watcher to this value after each tick.
    int16_t CdAvailable = BOOL16_FALSE;
    // Reply text fetched by MciQuery and MciPlay.
    std::string MciReply;

  private:
    bool pollCd(int16_t repeatTrack);
    int32_t sendWithoutReply(const std::string& command);

    MciPort& mci_;
    // Reply buffers. One spare byte beyond what MCI is offered keeps every
    // text terminated whatever the device writes. Each is cleared before it
    // is offered, so a failed call never shows an older reply.
    char MciReturnText[MCI_RETURN_TEXT_LENGTH + 1] = {};
    char MciErrorText[MCI_ERROR_TEXT_LENGTH + 1] = {};
    char CdModeText[CD_MODE_TEXT_SIZE + 1] = {};
    char Mp3ModeText[MP3_MODE_TEXT_LENGTH + 1] = {};
};

} // namespace kestro

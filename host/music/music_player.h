#pragma once
// Kestrovalinde_BGM: background music while the saver runs. An audio CD is
// kept playing by a watcher tick; an MP3 file is played through MCI and
// restarted by a watcher tick; a WAV file is looped by the system.
// Nothing here is ever reported: failures leave a return code or a reply.

#include <cstdint>
#include <string>

namespace kestro {

// Outcome of the last audio-CD watcher tick (true = -1); the saver switches
// its CD watcher to this value after each tick.
extern int16_t CdAvailable;

// Reply text fetched by MciQuery and MciPlay.
extern std::string MciReply;

constexpr int16_t BGM_TRUE = -1;
constexpr int16_t BGM_FALSE = 0;

// Reply buffer sizes handed to MCI.
constexpr uint32_t MCI_RETURN_TEXT_LENGTH = 512;
constexpr uint32_t MCI_ERROR_TEXT_LENGTH = 256;
constexpr uint32_t CD_MODE_TEXT_SIZE = 256;
constexpr uint32_t CD_MODE_TEXT_OFFERED = 255;
constexpr uint32_t MP3_MODE_TEXT_LENGTH = 30;

constexpr int32_t MCI_EMPTY_COMMAND = -1;
constexpr uint32_t PLAY_SOUND_LOOP_ASYNC = 0x0001 | 0x0008;  // SND_ASYNC | SND_LOOP
constexpr uint32_t PLAY_SOUND_STOP = 0;

// The reply of an empty command and of an error without a text, ANSI.
std::string emptyCommandReply();    // "コマンド文字列が指定されていません"
std::string missingErrorTextReply();  // "Error (文字列が取れません)"

// Sends one command; returns the MCI code (0 = success, -1 for an empty
// command) and puts the reply or error text into reply.
int32_t MciSend(const std::string& command, std::string& reply);
// The reply of the command, or "Error:" followed by the code.
std::string MciQuery(const std::string& command);
// "play <device>[ from <from>][ to <to>]"; an empty from or to is left out.
int32_t MciPlay(const std::string& device, const std::string& from, const std::string& to);

void BgmOpenCd();
void BgmPollCd();  // one audio-CD watcher tick; sets CdAvailable
void BgmCloseCd();

void BgmPlayMp3();
bool BgmIsMp3Playing();
void BgmRestartMp3();  // one MP3 watcher tick
void BgmCloseMp3();

void BgmPlayWav();
void BgmStopWav();

} // namespace kestro

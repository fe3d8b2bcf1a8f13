#include "host/music/music_player.h"

#include <cctype>
#include <cstring>
#include <optional>

#include "host/forms/ansi_text.h"
#include "host/music/mci_port.h"
#include "host/music/music_settings.h"
#include "host/music/music_text.h"
#include "host/startup/last_api_result.h"

namespace kestro {

int16_t CdAvailable = BGM_FALSE;
std::string MciReply;

namespace {

constexpr char CD_DEVICE[] = "cdaudio";
constexpr char MP3_ALIAS[] = "MP3Play";
constexpr char MODE_STOPPED[] = "stopped";
constexpr char MODE_PLAYING[] = "playing";
constexpr size_t MODE_WORD_LENGTH = 7;
constexpr char FAILURE_MARK[] = "ERR";
constexpr char QUERY_ERROR_PREFIX[] = "Error:";

// MCI's answer to a device it does not know; what every command gets while
// no system has been set.
constexpr int32_t MCI_NO_SUCH_DEVICE = 263;

class NoMciSystem : public MciPort {
public:
    int32_t sendString(const std::string&, char*, uint32_t) override { return MCI_NO_SUCH_DEVICE; }
    bool errorString(int32_t, char*, uint32_t) override { return false; }
    int32_t waveDeviceCount() override { return 0; }
    int32_t playSound(const char*, uint32_t) override { return 0; }
};

NoMciSystem noMciSystem;
MciPort* mciSystem = &noMciSystem;

// The module's reply buffers. One spare byte beyond what MCI is offered
// keeps every text terminated whatever the device writes. Each is cleared
// before it is offered, so a failed call never shows an older reply.
char MciReturnText[MCI_RETURN_TEXT_LENGTH + 1];
char MciErrorText[MCI_ERROR_TEXT_LENGTH + 1];
char CdModeText[CD_MODE_TEXT_SIZE + 1];
char Mp3ModeText[MP3_MODE_TEXT_LENGTH + 1];

template <size_t Size> char* clearedBuffer(char (&buffer)[Size]) {
    std::memset(buffer, 0, Size);
    return buffer;
}

template <size_t Size> std::string textOf(const char (&buffer)[Size]) {
    return std::string(buffer, strnlen(buffer, Size));
}

// A reply's first characters, as the mode queries compare them.
template <size_t Size> std::string modeWordOf(const char (&buffer)[Size]) {
    return textOf(buffer).substr(0, MODE_WORD_LENGTH);
}

int32_t sendWithoutReply(const std::string& command) {
    return mciSystem->sendString(command, nullptr, 0);
}

bool repliesFailure(const std::string& reply) {
    return ContainsAnsiText(UpperAnsiText(reply), FAILURE_MARK);
}

// A track number as MCI replies it: decimal digits, blanks around allowed.
std::optional<long> trackNumberOf(const std::string& reply) {
    size_t begin = reply.find_first_not_of(' ');
    size_t end = reply.find_last_not_of(' ');
    if (begin == std::string::npos) return std::nullopt;
    long value = 0;
    for (size_t i = begin; i <= end; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(reply[i]))) return std::nullopt;
        value = value * 10 + (reply[i] - '0');
        if (value > INT16_MAX) return std::nullopt;
    }
    return value;
}

std::string cdCommand(const char* verb, const char* rest = nullptr) {
    std::string command = std::string(verb) + " " + CD_DEVICE;
    if (rest) command += std::string(" ") + rest;
    return command;
}

std::string mp3Command(const char* verb, const char* rest = nullptr) {
    std::string command = std::string(verb) + " " + MP3_ALIAS;
    if (rest) command += std::string(" ") + rest;
    return command;
}

// The watcher's tick without its outcome: false when the CD is unusable.
bool pollCd() {
    const std::string current = MciQuery(cdCommand("status", "current track"));
    if (repliesFailure(current)) return false;
    if (repliesFailure(MciQuery(cdCommand("status", "number of tracks")))) return false;

    LastApiResult =
        mciSystem->sendString(cdCommand("status", "mode"), clearedBuffer(CdModeText),
                              CD_MODE_TEXT_OFFERED);
    const bool stopped = modeWordOf(CdModeText) == MODE_STOPPED;

    if (BgmRepeatTrack == 0) {
        if (stopped) MciPlay(CD_DEVICE, "", "");
        return true;
    }
    const std::optional<long> currentTrack = trackNumberOf(current);
    if (!currentTrack) return false;  // a reply that is no track number: the device is unusable
    if (stopped || *currentTrack != BgmRepeatTrack) {
        const std::string trackStart =
            MciQuery(cdCommand("status", "position track") + " " + std::to_string(BgmRepeatTrack));
        MciPlay(CD_DEVICE, trackStart, "");
    }
    return true;
}

} // namespace

void SetMciPort(MciPort& port) { mciSystem = &port; }

std::string emptyCommandReply() { return ansiText("コマンド文字列が指定されていません"); }
std::string missingErrorTextReply() { return ansiText("Error (文字列が取れません)"); }

int32_t MciSend(const std::string& command, std::string& reply) {
    if (command.empty()) {
        reply = emptyCommandReply();
        return MCI_EMPTY_COMMAND;
    }
    const int32_t rc =
        mciSystem->sendString(command, clearedBuffer(MciReturnText), MCI_RETURN_TEXT_LENGTH);
    LastApiResult = rc;
    if (rc != 0) {
        if (mciSystem->errorString(rc, clearedBuffer(MciErrorText), MCI_ERROR_TEXT_LENGTH)) {
            reply = textOf(MciErrorText);
        } else {
            reply = missingErrorTextReply();
        }
        return rc;
    }
    reply = textOf(MciReturnText);
    return 0;
}

std::string MciQuery(const std::string& command) {
    const int32_t rc = MciSend(command, MciReply);
    LastApiResult = rc;
    if (rc != 0) return QUERY_ERROR_PREFIX + std::to_string(rc);
    return MciReply;
}

int32_t MciPlay(const std::string& device, const std::string& from, const std::string& to) {
    std::string command = "play " + device;
    if (!from.empty()) command += " from " + from;
    if (!to.empty()) command += " to " + to;
    return MciSend(command, MciReply);
}

void BgmOpenCd() {
    LastApiResult = sendWithoutReply(cdCommand("open"));
    LastApiResult = sendWithoutReply(cdCommand("set", "time format tmsf"));
}

void BgmPollCd() { CdAvailable = pollCd() ? BGM_TRUE : BGM_FALSE; }

void BgmCloseCd() {
    LastApiResult = sendWithoutReply(cdCommand("stop"));
    LastApiResult = sendWithoutReply(cdCommand("close"));
}

void BgmPlayMp3() {
    // The quotes let the path hold blanks.
    const std::string open = "open \"" + BgmFile + "\" type MPEGVideo Alias " + MP3_ALIAS;
    if (sendWithoutReply(open) == 0) sendWithoutReply(mp3Command("play"));
}

bool BgmIsMp3Playing() {
    mciSystem->sendString(mp3Command("status", "mode"), clearedBuffer(Mp3ModeText),
                          MP3_MODE_TEXT_LENGTH);
    return modeWordOf(Mp3ModeText) == MODE_PLAYING;
}

void BgmRestartMp3() {
    if (BgmIsMp3Playing()) return;
    sendWithoutReply(mp3Command("stop"));
    sendWithoutReply(mp3Command("play", "from 0"));
}

void BgmCloseMp3() {
    sendWithoutReply(mp3Command("stop"));
    sendWithoutReply(mp3Command("close"));
}

void BgmPlayWav() {
    if (mciSystem->waveDeviceCount() <= 0) return;
    LastApiResult = mciSystem->playSound(BgmFile.c_str(), PLAY_SOUND_LOOP_ASYNC);
}

void BgmStopWav() { LastApiResult = mciSystem->playSound(nullptr, PLAY_SOUND_STOP); }

} // namespace kestro

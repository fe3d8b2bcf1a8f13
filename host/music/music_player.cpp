#include "host/music/music_player.h"

#include <cctype>
#include <cstring>
#include <optional>

#include "host/platform/ansi_text.h"
#include "host/music/music_text.h"

namespace kestro {

namespace {

constexpr char CD_DEVICE[] = "cdaudio";
constexpr char MP3_ALIAS[] = "MP3Play";
constexpr char MODE_STOPPED[] = "stopped";
constexpr char MODE_PLAYING[] = "playing";
constexpr size_t MODE_WORD_LENGTH = 7;
constexpr char FAILURE_MARK[] = "ERR";
constexpr char QUERY_ERROR_PREFIX[] = "Error:";

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

bool repliesFailure(const std::string& reply) {
    return ContainsAnsiText(UpperAnsiText(reply), FAILURE_MARK);
}

// A track number as MCI replies it: decimal digits, blanks around allowed.
std::optional<long> trackNumberOf(const std::string& reply) {
    size_t begin = reply.find_first_not_of(' ');
    size_t end = reply.find_last_not_of(' ');
    if (begin == std::string::npos)
        return std::nullopt;
    long value = 0;
    for (size_t i = begin; i <= end; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(reply[i])))
            return std::nullopt;
        value = value * 10 + (reply[i] - '0');
        if (value > INT16_MAX)
            return std::nullopt;
    }
    return value;
}

std::string cdCommand(const char* verb, const char* rest = nullptr) {
    std::string command = std::string(verb) + " " + CD_DEVICE;
    if (rest)
        command += std::string(" ") + rest;
    return command;
}

std::string mp3Command(const char* verb, const char* rest = nullptr) {
    std::string command = std::string(verb) + " " + MP3_ALIAS;
    if (rest)
        command += std::string(" ") + rest;
    return command;
}

} // namespace

std::string emptyCommandReply() {
    return ansiText("コマンド文字列が指定されていません");
}
std::string missingErrorTextReply() {
    return ansiText("Error (文字列が取れません)");
}

int32_t MusicPlayer::MciSend(const std::string& command, std::string& reply) {
    if (command.empty()) {
        reply = emptyCommandReply();
        return MCI_EMPTY_COMMAND;
    }
    const int32_t rc =
        mci_.sendString(command, clearedBuffer(MciReturnText), MCI_RETURN_TEXT_LENGTH);
    if (rc != 0) {
        if (mci_.errorString(rc, clearedBuffer(MciErrorText), MCI_ERROR_TEXT_LENGTH)) {
            reply = textOf(MciErrorText);
        } else {
            reply = missingErrorTextReply();
        }
        return rc;
    }
    reply = textOf(MciReturnText);
    return 0;
}

std::string MusicPlayer::MciQuery(const std::string& command) {
    const int32_t rc = MciSend(command, MciReply);
    if (rc != 0)
        return QUERY_ERROR_PREFIX + std::to_string(rc);
    return MciReply;
}

int32_t MusicPlayer::MciPlay(const std::string& device, const std::string& from,
                             const std::string& to) {
    std::string command = "play " + device;
    if (!from.empty())
        command += " from " + from;
    if (!to.empty())
        command += " to " + to;
    return MciSend(command, MciReply);
}

// The watcher's tick without its outcome: false when the CD is unusable.
bool MusicPlayer::pollCd(int16_t repeatTrack) {
    const std::string current = MciQuery(cdCommand("status", "current track"));
    if (repliesFailure(current))
        return false;
    if (repliesFailure(MciQuery(cdCommand("status", "number of tracks"))))
        return false;

    mci_.sendString(cdCommand("status", "mode"), clearedBuffer(CdModeText), CD_MODE_TEXT_OFFERED);
    const bool stopped = modeWordOf(CdModeText) == MODE_STOPPED;

    if (repeatTrack == 0) {
        if (stopped)
            MciPlay(CD_DEVICE, "", "");
        return true;
    }
    const std::optional<long> currentTrack = trackNumberOf(current);
    if (!currentTrack)
        return false; // a reply that is no track number: the device is unusable
    if (stopped || *currentTrack != repeatTrack) {
        const std::string trackStart =
            MciQuery(cdCommand("status", "position track") + " " + std::to_string(repeatTrack));
        MciPlay(CD_DEVICE, trackStart, "");
    }
    return true;
}

int32_t MusicPlayer::BgmOpenCd() {
    sendWithoutReply(cdCommand("open"));
    return sendWithoutReply(cdCommand("set", "time format tmsf"));
}

void MusicPlayer::BgmPollCd(int16_t repeatTrack) {
    CdAvailable = pollCd(repeatTrack) ? BOOL16_TRUE : BOOL16_FALSE;
}

int32_t MusicPlayer::BgmCloseCd() {
    sendWithoutReply(cdCommand("stop"));
    return sendWithoutReply(cdCommand("close"));
}

void MusicPlayer::BgmPlayMp3(const std::string& file) {
    // The quotes let the path hold blanks.
    const std::string open = "open \"" + file + "\" type MPEGVideo Alias " + MP3_ALIAS;
    if (sendWithoutReply(open) == 0)
        sendWithoutReply(mp3Command("play"));
}

bool MusicPlayer::BgmIsMp3Playing() {
    mci_.sendString(mp3Command("status", "mode"), clearedBuffer(Mp3ModeText), MP3_MODE_TEXT_LENGTH);
    return modeWordOf(Mp3ModeText) == MODE_PLAYING;
}

void MusicPlayer::BgmRestartMp3() {
    if (BgmIsMp3Playing())
        return;
    sendWithoutReply(mp3Command("stop"));
    sendWithoutReply(mp3Command("play", "from 0"));
}

void MusicPlayer::BgmCloseMp3() {
    sendWithoutReply(mp3Command("stop"));
    sendWithoutReply(mp3Command("close"));
}

int32_t MusicPlayer::BgmPlayWav(const std::string& file) {
    if (mci_.waveDeviceCount() <= 0)
        return 0;
    return mci_.playSound(file.c_str(), PLAY_SOUND_LOOP_ASYNC);
}

int32_t MusicPlayer::BgmStopWav() {
    return mci_.playSound(nullptr, PLAY_SOUND_STOP);
}

int32_t MusicPlayer::sendWithoutReply(const std::string& command) {
    return mci_.sendString(command, nullptr, 0);
}

} // namespace kestro

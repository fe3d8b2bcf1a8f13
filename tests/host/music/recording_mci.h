#pragma once
// A recording stand-in for the multimedia system: it answers MCI commands
// from a script and writes every call into a shared log, as
//   "mci:<command>/<length>"  ("/-" when no reply buffer was offered)
//   "sound:<file>/<flags>"    ("sound:(none)/0" for the stop call)

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "host/music/mci_port.h"

namespace kestro::testing {

struct MciAnswer {
    int32_t code = 0;
    std::string reply;
};

class RecordingMci : public MciPort {
public:
    explicit RecordingMci(std::vector<std::string>& log) : log_(log) {}

    std::map<std::string, MciAnswer> answers;  // unknown commands succeed with no reply
    std::map<int32_t, std::string> errorTexts;  // codes without an entry have no text
    int32_t waveDevices = 0;
    int32_t playSoundResult = 1;

    int32_t sendString(const std::string& command, char* reply, uint32_t replyLength) override {
        log_.push_back("mci:" + command + "/" +
                       (reply ? std::to_string(replyLength) : std::string("-")));
        const MciAnswer answer = answers.count(command) ? answers.at(command) : MciAnswer{};
        if (answer.code == 0 && reply && replyLength > 0) {
            const size_t length = std::min<size_t>(answer.reply.size(), replyLength - 1);
            std::memcpy(reply, answer.reply.data(), length);
            reply[length] = '\0';
        }
        return answer.code;
    }
    bool errorString(int32_t code, char* buffer, uint32_t length) override {
        auto text = errorTexts.find(code);
        if (text == errorTexts.end() || length == 0) return false;
        const size_t copied = std::min<size_t>(text->second.size(), length - 1);
        std::memcpy(buffer, text->second.data(), copied);
        buffer[copied] = '\0';
        return true;
    }
    int32_t waveDeviceCount() override { return waveDevices; }
    int32_t playSound(const char* sound, uint32_t flags) override {
        log_.push_back(std::string("sound:") + (sound ? sound : "(none)") + "/" +
                       std::to_string(flags));
        return playSoundResult;
    }

private:
    std::vector<std::string>& log_;
};

} // namespace kestro::testing

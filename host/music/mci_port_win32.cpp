#include "host/music/mci_port_win32.h"

#include <windows.h>
#include <mmsystem.h>

namespace kestro {

namespace {

class Win32MciPort : public MciPort {
public:
    int32_t sendString(const std::string& command, char* reply, uint32_t replyLength) override {
        return static_cast<int32_t>(mciSendStringA(command.c_str(), reply, replyLength, nullptr));
    }
    bool errorString(int32_t code, char* buffer, uint32_t length) override {
        return mciGetErrorStringA(static_cast<MCIERROR>(code), buffer, length) != FALSE;
    }
    int32_t waveDeviceCount() override { return static_cast<int32_t>(waveOutGetNumDevs()); }
    int32_t playSound(const char* sound, uint32_t flags) override {
        return PlaySoundA(sound, nullptr, flags);
    }
};

} // namespace

MciPort& SystemMciPort() {
    static Win32MciPort port;
    return port;
}

} // namespace kestro

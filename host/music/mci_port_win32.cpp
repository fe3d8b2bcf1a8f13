#include "host/music/mci_port_win32.h"

#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

namespace kestro {

int32_t Win32MciPort::sendString(const std::string& command, char* reply, uint32_t replyLength) {
    return static_cast<int32_t>(mciSendStringA(command.c_str(), reply, replyLength, nullptr));
}

bool Win32MciPort::errorString(int32_t code, char* buffer, uint32_t length) {
    return mciGetErrorStringA(static_cast<MCIERROR>(code), buffer, length) != FALSE;
}

int32_t Win32MciPort::waveDeviceCount() {
    return static_cast<int32_t>(waveOutGetNumDevs());
}

int32_t Win32MciPort::playSound(const char* sound, uint32_t flags) {
    return PlaySoundA(sound, nullptr, flags);
}

} // namespace kestro

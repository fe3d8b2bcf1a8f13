#pragma once
// The Windows multimedia system behind the music player.

#include "host/music/mci_port.h"

namespace kestro {

class Win32MciPort : public MciPort {
  public:
    int32_t sendString(const std::string& command, char* reply, uint32_t replyLength) override;
    bool errorString(int32_t code, char* buffer, uint32_t length) override;
    int32_t waveDeviceCount() override;
    int32_t playSound(const char* sound, uint32_t flags) override;
};

} // namespace kestro

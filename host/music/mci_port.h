#pragma once
// The Windows multimedia calls the music player relies on, as the platform
// offers them (ANSI texts in the system code page).

#include <cstdint>
#include <string>

namespace kestro {

class MciPort {
  public:
    virtual ~MciPort() = default;
    // mciSendStringA with no callback window: 0 or an MCI error code. With a
    // reply buffer it writes a NUL-terminated text of at most replyLength
    // characters; reply may be null with a length of 0.
    virtual int32_t sendString(const std::string& command, char* reply, uint32_t replyLength) = 0;
    // mciGetErrorStringA: true when it wrote the text for the code.
    virtual bool errorString(int32_t code, char* buffer, uint32_t length) = 0;
    // waveOutGetNumDevs.
    virtual int32_t waveDeviceCount() = 0;
    // PlaySoundA with no module; a null sound with flags 0 stops the sound.
    virtual int32_t playSound(const char* sound, uint32_t flags) = 0;
};

} // namespace kestro

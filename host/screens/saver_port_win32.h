#pragma once
// The saver screen's calls on the real system, and the pieces they are made of.

#include <string>
#include <vector>

#include "host/screens/saver_port.h"

namespace kestro {

constexpr char SAVER_SPRITE_RESOURCE[] = "SaverSprite";

// The bytes of the SaverSprite bitmap held by the program; empty when missing.
std::vector<unsigned char> SaverSpriteBytes();

// Writes the bytes to the file, replacing it. False when it could not.
bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes);

// Starts the program at path as a new process, shown normally, with the
// path alone, unquoted, as its command line. The process's handle goes to
// *process when asked for (the caller closes it), otherwise it is closed at
// once; the thread's handle is always closed.
bool StartProgramUnquoted(const std::string& path, void** process = nullptr);

class Win32SaverPort : public SaverPort {
  public:
    Win32SaverPort() = default;
    Win32SaverPort(const Win32SaverPort&) = delete;
    Win32SaverPort& operator=(const Win32SaverPort&) = delete;
    ~Win32SaverPort() override;

    bool saveSprite(const std::string& path) override;
    bool startProgram(const std::string& path) override;
    bool startedProgramRunning() override;
    bool windowExists(const std::string& title) override;
    uint32_t tickCount() override;
    void showCursor() override;
    void endProcess() override;

  private:
    void forgetStartedProgram();

    // The process startProgram started last, kept only to ask whether it
    // has ended; null when none.
    void* startedProcess_ = nullptr;
};

} // namespace kestro

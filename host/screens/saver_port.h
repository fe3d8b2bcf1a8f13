#pragma once
// What the saver screen asks of the system.

#include <cstdint>
#include <string>

namespace kestro {

class SaverPort {
  public:
    virtual ~SaverPort() = default;
    // Writes the sprite the host holds (SaverSprite) to the file, replacing
    // it. False when it could not.
    virtual bool saveSprite(const std::string& path) = 0;
    // Starts the program with its path, unquoted, as the whole command line.
    // False when no process was started.
    virtual bool startProgram(const std::string& path) = 0;
    // True while the process startProgram started last still runs; false
    // once it has ended, or when none was started.
    virtual bool startedProgramRunning() = 0;
    virtual bool windowExists(const std::string& title) = 0; // FindWindowA, no class
    virtual uint32_t tickCount() = 0;                        // milliseconds, wrapping
    virtual void showCursor() = 0;
    virtual void endProcess() = 0; // never returns in the real host
};

} // namespace kestro

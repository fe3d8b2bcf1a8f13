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
// path alone, unquoted, as its command line; closes the handles at once.
bool StartProgramUnquoted(const std::string& path);

class Win32SaverPort : public SaverPort {
  public:
    bool saveSprite(const std::string& path) override;
    bool startProgram(const std::string& path) override;
    bool windowExists(const std::string& title) override;
    uint32_t tickCount() override;
    void showCursor() override;
    void endProcess() override;
};

} // namespace kestro

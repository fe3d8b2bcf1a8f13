#pragma once
// The system services the saver window relies on.

#include <string>
#include <vector>

namespace kestro {

constexpr char SAVER_SPRITE_RESOURCE[] = "SaverSprite";

// The bytes of the SaverSprite bitmap held by the program; empty when missing.
std::vector<unsigned char> SaverSpriteBytes();

// Writes the bytes to the file, replacing it. False when it could not.
bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes);

// Starts the program at path as a new process, shown normally, with the
// path alone, unquoted, as its command line; closes the handles at once.
bool StartProgramUnquoted(const std::string& path);

} // namespace kestro

#pragma once
// Path helpers shared by the host's windows. Paths are ANSI texts with "\"
// separators, as the platform hands them over.

#include <string>

#include "host/platform/file_port.h"

namespace kestro {

// True when the file can be opened for reading. A trailing "\" is dropped
// first, so a folder given as C:\Music\ tests C:\Music (and is not a file).
bool FileExists(FilePort& files, std::string path);

// The folder part of a path: everything up to the last ":" or "\", without a
// trailing "\". C:\Music\a.mp3 -> C:\Music, C:\a.mp3 -> C:, a.mp3 -> "".
std::string FolderOfPath(const std::string& path);

// folder + "\" + name; the separator is always added.
std::string PathInFolder(const std::string& folder, const std::string& name);

// The folder of the program at the given full path: without a trailing "\"
// except for a drive's root folder (C:\).
std::string HostFolderOfProgram(const std::string& programPath);

} // namespace kestro

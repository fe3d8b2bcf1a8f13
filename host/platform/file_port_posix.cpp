#include "host/platform/file_port_posix.h"

#include <sys/stat.h>

#include <cstdio>

namespace kestro {

// POSIX opens a folder for reading where Windows refuses, so a folder is
// ruled out by asking for its kind as well.
bool PosixFilePort::opensForReading(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file)
        return false;
    struct stat info {};
    const bool isFile = stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
    std::fclose(file);
    return isFile;
}

} // namespace kestro

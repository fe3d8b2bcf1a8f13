#include "host/platform/file_port_win32.h"

#include <cstdio>

namespace kestro {

// Windows refuses to open a folder as a file, so opening is the whole test.
bool Win32FilePort::opensForReading(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file)
        return false;
    std::fclose(file);
    return true;
}

} // namespace kestro

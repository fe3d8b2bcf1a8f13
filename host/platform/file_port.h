#pragma once
// The one question the host asks of the file system: can this file be read?

#include <string>

namespace kestro {

class FilePort {
  public:
    virtual ~FilePort() = default;
    // True when the path names a file (not a folder) the process can open
    // for reading. The path is an ANSI text in the system code page.
    virtual bool opensForReading(const std::string& path) = 0;
};

} // namespace kestro

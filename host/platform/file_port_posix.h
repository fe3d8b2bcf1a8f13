#pragma once
// File access on a POSIX system: the native builds of the host's logic.

#include "host/platform/file_port.h"

namespace kestro {

class PosixFilePort : public FilePort {
  public:
    bool opensForReading(const std::string& path) override;
};

} // namespace kestro

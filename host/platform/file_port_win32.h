#pragma once
// File access on the real system.

#include "host/platform/file_port.h"

namespace kestro {

class Win32FilePort : public FilePort {
  public:
    bool opensForReading(const std::string& path) override;
};

} // namespace kestro

#pragma once
// The platform's profile-file calls (ANSI).

#include "host/startup/profile_port.h"

namespace kestro {

class Win32ProfilePort : public ProfilePort {
  public:
    uint32_t getProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, char* buffer, uint32_t size,
                              const std::string& file) override;
    int32_t writeProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& file) override;
};

} // namespace kestro

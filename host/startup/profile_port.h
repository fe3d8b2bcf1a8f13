#pragma once
// The two profile-file calls the settings rely on, as the platform offers them.

#include <cstdint>
#include <string>

namespace kestro {

class ProfilePort {
public:
    virtual ~ProfilePort() = default;
    // GetPrivateProfileStringA: copies the value (or the default) into the
    // buffer as a NUL-terminated text of at most size - 1 bytes.
    virtual uint32_t getProfileString(const std::string& section, const std::string& key,
                                      const std::string& defaultValue, char* buffer,
                                      uint32_t size, const std::string& file) = 0;
    // WritePrivateProfileStringA: non-zero on success.
    virtual int32_t writeProfileString(const std::string& section, const std::string& key,
                                       const std::string& value, const std::string& file) = 0;
};

} // namespace kestro

#include "host/startup/profile_port_win32.h"

#include <windows.h>

namespace kestro {

uint32_t Win32ProfilePort::getProfileString(const std::string& section, const std::string& key,
                                            const std::string& defaultValue, char* buffer,
                                            uint32_t size, const std::string& file) {
    return GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                                    size, file.c_str());
}

int32_t Win32ProfilePort::writeProfileString(const std::string& section, const std::string& key,
                                             const std::string& value, const std::string& file) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

} // namespace kestro

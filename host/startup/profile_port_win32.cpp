#include "host/startup/startup_system_win32.h"

#include <windows.h>

#include "host/startup/path_helpers.h"

namespace kestro {

namespace {

class Win32Profile : public ProfilePort {
public:
    uint32_t getProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, char* buffer, uint32_t size,
                              const std::string& file) override {
        return GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                        buffer, size, file.c_str());
    }
    int32_t writeProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& file) override {
        return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                          file.c_str());
    }
};

} // namespace

ProfilePort& SystemProfile() {
    static Win32Profile profile;
    return profile;
}

std::string HostFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return HostFolderOfProgram(std::string(path, length));
}

} // namespace kestro

#pragma once
// A profile port that records every write, in order, and answers reads from
// what was written.

#include <map>
#include <string>
#include <vector>

#include "host/startup/profile_port.h"

namespace kestro::testing {

struct ProfileWrite {
    std::string section, key, value, file;
    bool operator==(const ProfileWrite& o) const {
        return section == o.section && key == o.key && value == o.value && file == o.file;
    }
};

class RecordingProfile : public ProfilePort {
  public:
    uint32_t getProfileString(const std::string&, const std::string& key, const std::string& def,
                              char* buffer, uint32_t size, const std::string&) override {
        const auto found = values.find(key);
        const std::string value = found == values.end() ? def : found->second;
        const size_t length = value.size() < size - 1 ? value.size() : size - 1;
        value.copy(buffer, length);
        buffer[length] = '\0';
        return static_cast<uint32_t>(length);
    }
    int32_t writeProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& file) override {
        writes.push_back({section, key, value, file});
        values[key] = value;
        return 1;
    }

    std::vector<ProfileWrite> writes;
    std::map<std::string, std::string> values;
};

} // namespace kestro::testing

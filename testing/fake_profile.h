#pragma once
// An in-memory profile file that behaves like the platform's profile calls
// (values cut to the buffer, the default for anything missing) and records
// every write in order.

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "host/startup/profile_port.h"

namespace kestro::testing {

struct ProfileWrite {
    std::string section, key, value, file;
    bool operator==(const ProfileWrite& o) const {
        return section == o.section && key == o.key && value == o.value && file == o.file;
    }
};

class FakeProfile : public ProfilePort {
  public:
    void set(const std::string& file, const std::string& section, const std::string& key,
             const std::string& value) {
        values[{file, section, key}] = value;
    }
    std::string value(const std::string& file, const std::string& section,
                      const std::string& key) const {
        const auto found = values.find({file, section, key});
        return found == values.end() ? std::string() : found->second;
    }

    uint32_t getProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, char* buffer, uint32_t size,
                              const std::string& file) override {
        const auto found = values.find({file, section, key});
        const std::string& text = found == values.end() ? defaultValue : found->second;
        const size_t copied = std::min<size_t>(text.size(), size - 1);
        std::memcpy(buffer, text.data(), copied);
        buffer[copied] = '\0';
        return static_cast<uint32_t>(copied);
    }

    // Fails (0, nothing stored) from the write numbered failFromWrite on.
    int32_t writeProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& file) override {
        writes.push_back({section, key, value, file});
        if (writes.size() >= failFromWrite)
            return 0;
        values[{file, section, key}] = value;
        return 1;
    }

    std::map<std::tuple<std::string, std::string, std::string>, std::string> values;
    std::vector<ProfileWrite> writes;
    size_t failFromWrite = SIZE_MAX; // 1 = the first write fails
};

} // namespace kestro::testing

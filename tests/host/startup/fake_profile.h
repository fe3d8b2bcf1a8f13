#pragma once
// An in-memory profile file that behaves like the platform's profile calls:
// values cut to the buffer, the default for anything missing.

#include <cstring>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "host/startup/profile_port.h"

namespace kestro::test {

class FakeProfile : public ProfilePort {
public:
    using Key = std::tuple<std::string, std::string, std::string>;  // file, section, key

    void set(const std::string& file, const std::string& section, const std::string& key,
             const std::string& value) {
        values[{file, section, key}] = value;
    }

    uint32_t getProfileString(const std::string& section, const std::string& key,
                              const std::string& defaultValue, char* buffer, uint32_t size,
                              const std::string& file) override {
        auto found = values.find({file, section, key});
        const std::string& text = found == values.end() ? defaultValue : found->second;
        const size_t copied = std::min<size_t>(text.size(), size - 1);
        std::memcpy(buffer, text.data(), copied);
        buffer[copied] = '\0';
        return static_cast<uint32_t>(copied);
    }

    int32_t writeProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& file) override {
        writes.push_back({file, section, key, value});
        values[{file, section, key}] = value;
        return writeResult;
    }

    struct Write {
        std::string file, section, key, value;
    };
    std::map<Key, std::string> values;
    std::vector<Write> writes;
    int32_t writeResult = 1;
};

} // namespace kestro::test

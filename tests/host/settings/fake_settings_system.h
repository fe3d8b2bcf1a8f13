#pragma once
// A settings system in memory, for the save and the dialog that runs it.

#include <string>
#include <tuple>
#include <vector>

#include "host/settings/settings_port.h"
#include "testing/fake_profile.h"

namespace kestro::testing {

// Files as the fake profile holds them: copying and replacing move every
// value of one file name to another, and each step is logged.
class FakeSettingsSystem : public SettingsPort {
  public:
    ProfilePort& profile() override { return files; }
    bool copyFile(const std::string& file, const std::string& copy) override {
        log.push_back("copy");
        if (!copies)
            return false;
        moveValues(file, copy, false);
        return true;
    }
    bool replaceFile(const std::string& file, const std::string& replacement) override {
        log.push_back("replace");
        if (failingReplaces > 0) {
            --failingReplaces;
            return false;
        }
        moveValues(replacement, file, true);
        return true;
    }
    void removeFile(const std::string& file) override {
        log.push_back("remove " + file);
        moveValues(file, "", true);
    }

    FakeProfile files;
    std::vector<std::string> log;
    bool copies = true;
    int failingReplaces = 0; // replacements that fail before they succeed again

  private:
    void moveValues(const std::string& from, const std::string& to, bool removeSource) {
        auto& values = files.values;
        for (auto it = values.begin(); it != values.end();) {
            if (std::get<0>(it->first) == to)
                it = values.erase(it);
            else
                ++it;
        }
        std::vector<std::pair<std::tuple<std::string, std::string, std::string>, std::string>>
            moved;
        for (auto it = values.begin(); it != values.end();) {
            if (std::get<0>(it->first) == from) {
                if (!to.empty())
                    moved.push_back(
                        {{to, std::get<1>(it->first), std::get<2>(it->first)}, it->second});
                it = removeSource ? values.erase(it) : std::next(it);
            } else {
                ++it;
            }
        }
        for (auto& entry : moved)
            values.insert(entry);
    }
};

} // namespace kestro::testing

#pragma once
// An in-memory file system behind the host's FilePort: the files added open
// for reading, no other name does, and every name asked about is recorded.

#include <set>
#include <string>
#include <vector>

#include "host/platform/file_port.h"

namespace kestro::testing {

class FakeFiles : public FilePort {
  public:
    void add(const std::string& path) { files.insert(path); }

    bool opensForReading(const std::string& path) override {
        asked.push_back(path);
        return files.count(path) > 0;
    }

    std::set<std::string> files;
    std::vector<std::string> asked;
};

} // namespace kestro::testing

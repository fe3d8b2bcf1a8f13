#pragma once
// A scratch folder for tests that need real files, removed afterwards.

#include <filesystem>
#include <fstream>
#include <string>

namespace kestro::test {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kestro-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    const std::string& path() const { return path_; }

    // Creates a file; "\\" in the name is an ordinary character here, which
    // lets host-style paths (folder + "\name") name real files.
    std::string write(const std::string& name, const std::string& content = "x") const {
        const std::string file = path_ + "/" + name;
        std::ofstream(file, std::ios::binary) << content;
        return file;
    }

private:
    std::string path_;
};

} // namespace kestro::test

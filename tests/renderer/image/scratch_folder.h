#pragma once
// A private folder for the files a test writes, removed when the test ends.

#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>

namespace kestro::testing {

class ScratchFolder {
  public:
    ScratchFolder() {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        folder_ = std::filesystem::temp_directory_path() /
                  ("kestro_bmp_" + std::to_string(stamp) + "_" + std::to_string(counter++));
        std::filesystem::create_directories(folder_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string path(const std::string& name) const { return (folder_ / name).string(); }

  private:
    std::filesystem::path folder_;
};

} // namespace kestro::testing

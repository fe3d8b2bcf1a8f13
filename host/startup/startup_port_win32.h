#pragma once
// Start-up's calls on the real system.

#include "host/startup/startup_port.h"

namespace kestro {

class Win32StartupPort : public StartupPort {
  public:
    Win32StartupPort(ProfilePort& profile, FilePort& files) : profile_(profile), files_(files) {}

    bool windowExists(const std::string& title) override;
    // The folder that holds the host program, as the platform reports it.
    std::string hostFolder() override;
    bool createFolder(const std::string& path) override;
    void showMessage(const std::string& text, const std::string& caption) override;
    void endProcess() override;
    void hideCursor() override;
    ProfilePort& profile() override { return profile_; }
    FilePort& files() override { return files_; }

  private:
    ProfilePort& profile_;
    FilePort& files_;
};

} // namespace kestro

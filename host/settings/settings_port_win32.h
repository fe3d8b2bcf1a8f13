#pragma once
// Saving the settings on the real system.

#include "host/settings/settings_port.h"

namespace kestro {

class Win32SettingsPort : public SettingsPort {
  public:
    explicit Win32SettingsPort(ProfilePort& profile) : profile_(profile) {}

    ProfilePort& profile() override { return profile_; }
    bool copyFile(const std::string& file, const std::string& copy) override;
    bool replaceFile(const std::string& file, const std::string& replacement) override;
    void removeFile(const std::string& file) override;

  private:
    ProfilePort& profile_;
};

} // namespace kestro

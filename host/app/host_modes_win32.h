#pragma once
// The host's three ways to run on the real system: it makes the window of
// the mode start-up chose and keeps it for the rest of the process.

#include <memory>

#include "host/forms/form_window_win32.h"
#include "host/music/mci_port.h"
#include "host/screens/saver_port.h"
#include "host/settings/settings_port.h"
#include "host/startup/startup_events.h"

namespace kestro {

class HostModes : public StartupEvents {
  public:
    HostModes(SaverPort& saver, MciPort& mci, SettingsPort& settings)
        : saver_(saver), mci_(mci), settings_(settings) {}

    void startPreview(int32_t previewParent) override;
    void showSettingsDialog(const MusicSettings& settings, const std::string& hostFolder) override;
    void createSaverWindow(const MusicSettings& settings, const std::string& hostFolder,
                           char modeLetter) override;

  private:
    SaverPort& saver_;
    MciPort& mci_;
    SettingsPort& settings_;
    std::unique_ptr<FormWindow> window_; // the preview or the saver window
};

} // namespace kestro

#pragma once
// What start-up asks of the system before any window exists, and the three
// ways the host can run once start-up has decided.

#include <cstdint>
#include <string>

#include "host/music/music_settings.h"
#include "host/platform/file_port.h"
#include "host/startup/profile_port.h"

namespace kestro {

class StartupPort {
  public:
    virtual ~StartupPort() = default;
    virtual bool windowExists(const std::string& title) = 0; // FindWindowA, no class
    virtual std::string hostFolder() = 0;
    virtual bool createFolder(const std::string& path) = 0;
    // A message box; its texts are UTF-8.
    virtual void showMessage(const std::string& text, const std::string& caption) = 0;
    virtual void endProcess() = 0; // never returns in the real host
    virtual void hideCursor() = 0;
    virtual ProfilePort& profile() = 0;
    virtual FilePort& files() = 0;
};

class HostModes {
  public:
    virtual ~HostModes() = default;
    // Embeds and shows the preview window in the given area.
    virtual void startPreview(int32_t previewParent) = 0;
    // Modal; returns when the dialog has closed.
    virtual void showSettingsDialog(const MusicSettings& settings,
                                    const std::string& hostFolder) = 0;
    // Hidden; its load handler starts everything.
    virtual void createSaverWindow(const MusicSettings& settings, const std::string& hostFolder,
                                   char modeLetter) = 0;
};

} // namespace kestro

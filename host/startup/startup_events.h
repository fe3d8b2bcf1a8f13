#pragma once
// What start-up hands to its owner once it has decided how the host runs:
// one of the host's three ways to run.

#include <cstdint>
#include <string>

#include "host/music/music_settings.h"

namespace kestro {

class StartupEvents {
  public:
    virtual ~StartupEvents() = default;
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

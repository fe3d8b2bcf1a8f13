#include "host/app/host_modes_win32.h"

#include "host/screens/preview_window_win32.h"
#include "host/screens/saver_window_win32.h"
#include "host/settings/settings_dialog_win32.h"
#include "host/startup/settings_file.h"

namespace kestro {

void HostModes::startPreview(int32_t previewParent) {
    window_ = EmbedPreview(reinterpret_cast<HWND>(static_cast<intptr_t>(previewParent)));
}

void HostModes::showSettingsDialog(const MusicSettings& settings, const std::string& hostFolder) {
    ShowSettingsDialog(settings_, settings, SettingsFilePath(hostFolder));
}

void HostModes::createSaverWindow(const MusicSettings& settings, const std::string& hostFolder,
                                  char modeLetter) {
    window_ = CreateSaverWindow(saver_, mci_, settings, hostFolder, modeLetter);
}

} // namespace kestro

#pragma once
// Kestrovalinde_P: the settings dialog "<Kestrovalinde>". Kestrovalinde_P
// and the control names beside its controls are the names its designer gave
// them; the host keeps them so that the dialog's behaviour can be followed
// by name.

#include <string>

#include "host/music/music_settings.h"
#include "host/settings/settings_port.h"

namespace kestro {

// Shows the dialog modally, starting from the given settings; "設定" writes
// the user's choice to settingsFile. Returns when the dialog has closed.
void ShowSettingsDialog(SettingsPort& system, const MusicSettings& settings,
                        const std::string& settingsFile);

} // namespace kestro

#pragma once
// The settings file next to the host (its name, section and keys are
// shared names): one section with the three music keys. Texts are in the
// system's ANSI code page.

#include <cstdint>
#include <optional>
#include <string>

#include "common/shared_names.h"
#include "host/music/music_settings.h"
#include "host/platform/file_port.h"
#include "host/startup/profile_port.h"

namespace kestro {

constexpr uint32_t PROFILE_VALUE_BUFFER = 256; // values read back as at most 255 bytes
constexpr size_t PROFILE_NAME_LIMIT = 128;     // section and key names are used up to this

// Key names: the code page 932 bytes of SETTINGS_KEY_KIND and its siblings in
// the shared names, on every system.
std::string settingsKeyKind();        // "BGM区分"
std::string settingsKeyRepeatTrack(); // "BGMﾘﾋﾟｰﾄ"
std::string settingsKeyFile();        // "BGMﾌｧｲﾙ"

std::string SettingsFilePath(const std::string& hostFolder);

// The key's value, or empty when section, key or file is missing.
std::string ReadIniValue(ProfilePort& profile, const std::string& section, const std::string& key,
                         const std::string& file);

// Writes key = value (creating file and section). False when the platform
// reports that it could not.
bool WriteIniValue(ProfilePort& profile, const std::string& section, const std::string& key,
                   const std::string& value, const std::string& file);

// A stored number: decimal text, rounded down, as a 16-bit signed value.
// Empty when the text is no number or out of range.
std::optional<int16_t> SettingNumber(const std::string& text);

// A number as the settings file stores it: one leading blank when not negative.
std::string SettingNumberText(int value);

// The music settings stored beside the host. A music file that no longer
// exists is dropped (and with it the music-file kind); BgmFolder is the
// file's folder, or the host folder when there is no file.
MusicSettings ReadSettings(ProfilePort& profile, FilePort& files, const std::string& hostFolder);

} // namespace kestro

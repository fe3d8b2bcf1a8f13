#include "host/startup/settings_file.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "host/platform/path_helpers.h"

namespace kestro {

// The key names are the same bytes on every system, whatever its code page:
// a settings file moved to another system, or kept by an upgrade, still
// reads, and a code page without these characters turns none of them into
// question marks.
std::string settingsKeyKind() {
    return SETTINGS_KEY_KIND;
}
std::string settingsKeyRepeatTrack() {
    return SETTINGS_KEY_REPEAT_TRACK;
}
std::string settingsKeyFile() {
    return SETTINGS_KEY_FILE;
}

std::string SettingsFilePath(const std::string& hostFolder) {
    return PathInFolder(hostFolder, SETTINGS_FILE_NAME);
}

std::string ReadIniValue(ProfilePort& profile, const std::string& section, const std::string& key,
                         const std::string& file) {
    std::vector<char> buffer(PROFILE_VALUE_BUFFER, '\0');
    profile.getProfileString(section, key, "", buffer.data(), PROFILE_VALUE_BUFFER, file);
    buffer.back() = '\0'; // whatever the platform did, the text ends inside the buffer
    return std::string(buffer.data());
}

bool WriteIniValue(ProfilePort& profile, const std::string& section, const std::string& key,
                   const std::string& value, const std::string& file) {
    return profile.writeProfileString(section.substr(0, PROFILE_NAME_LIMIT),
                                      key.substr(0, PROFILE_NAME_LIMIT), value, file) != 0;
}

namespace {

// The blanks strtod skips before a number; a number may stand between them
// on either side.
bool isNumberBlank(char c) {
    return c != '\0' && std::strchr(" \t\n\v\f\r", c) != nullptr;
}

} // namespace

std::optional<int16_t> SettingNumber(const std::string& text) {
    const char* begin = text.c_str();
    while (isNumberBlank(*begin))
        ++begin;
    if (*begin == '\0')
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(begin, &end);
    while (isNumberBlank(*end))
        ++end;
    if (end == begin || *end != '\0' || errno == ERANGE || !std::isfinite(value)) {
        return std::nullopt;
    }
    // strtod also reads hexadecimal floats, "inf" and "nan"; a stored setting
    // is plain decimal.
    for (const char* c = begin; c != end; ++c) {
        if (*c == 'x' || *c == 'X' || *c == 'n' || *c == 'N' || *c == 'i' || *c == 'I') {
            return std::nullopt;
        }
    }
    const double whole = std::floor(value);
    if (whole < INT16_MIN || whole > INT16_MAX)
        return std::nullopt;
    return static_cast<int16_t>(whole);
}

std::string SettingNumberText(int value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

MusicSettings ReadSettings(ProfilePort& profile, FilePort& files, const std::string& hostFolder) {
    const std::string file = SettingsFilePath(hostFolder);
    MusicSettings settings;
    settings.BgmKind =
        SettingNumber(ReadIniValue(profile, SETTINGS_SECTION, settingsKeyKind(), file))
            .value_or(BGM_NONE);
    settings.BgmRepeatTrack =
        SettingNumber(ReadIniValue(profile, SETTINGS_SECTION, settingsKeyRepeatTrack(), file))
            .value_or(0);

    settings.BgmFile = ReadIniValue(profile, SETTINGS_SECTION, settingsKeyFile(), file);
    if (!settings.BgmFile.empty() && !FileExists(files, settings.BgmFile))
        settings.BgmFile.clear();
    if (settings.BgmFile.empty() && settings.BgmKind == BGM_MUSIC_FILE) {
        settings.BgmKind = BGM_NONE;
    }

    settings.BgmFolder = settings.BgmFile.empty() ? hostFolder : FolderOfPath(settings.BgmFile);
    return settings;
}

} // namespace kestro

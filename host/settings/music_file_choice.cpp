#include "host/settings/music_file_choice.h"

#include <cstring>

#include "host/settings/settings_dialog_texts.h"
#include "host/platform/path_helpers.h"

namespace kestro {

std::string MusicFileFilter() {
    std::string filter = SettingsDialogTexts().fileFilterDescription;
    filter.push_back('\0');
    filter += SettingsDialogTexts().fileFilterPattern;
    filter.push_back('\0');
    filter.push_back('\0');
    return filter;
}

std::string MusicFileChooserTitle() {
    return SettingsDialogTexts().fileChooserTitle;
}

std::string ChosenMusicFile(const char* buffer, size_t size) {
    const void* end = std::memchr(buffer, '\0', size);
    return std::string(buffer, end ? static_cast<const char*>(end) - buffer : size);
}

void ApplyChosenMusicFile(MusicSettings& settings, const std::string& path) {
    settings.BgmFile = path;
    settings.BgmFolder = FolderOfPath(path);
}

} // namespace kestro

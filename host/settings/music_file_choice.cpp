#include "host/settings/music_file_choice.h"

#include "host/platform/path_helpers.h"
#include "host/settings/settings_dialog_texts.h"

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

std::string UnstorableMusicFileMessage(const std::string& shownPath) {
    return SettingsDialogTexts().unstorableFileName + "\n" + shownPath;
}

void ApplyChosenMusicFile(MusicSettings& settings, const std::string& path) {
    settings.BgmFile = path;
    settings.BgmFolder = FolderOfPath(path);
}

} // namespace kestro

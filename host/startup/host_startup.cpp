#include "host/startup/host_startup.h"

#include <cctype>
#include <cstdlib>

#include "host/platform/ansi_text.h"
#include "host/platform/path_helpers.h"
#include "host/startup/settings_file.h"

namespace kestro {

namespace {
constexpr size_t MODE_LETTER_INDEX = 1;
constexpr size_t PREVIEW_HANDLE_INDEX = 3;
} // namespace

std::string missingRendererMessage() {
    return "Kestrovalinde.dll が同じﾌｫﾙﾀﾞに見つかりません！";
}

char ModeLetter(const std::string& argumentText) {
    if (argumentText.size() <= MODE_LETTER_INDEX)
        return NO_MODE_LETTER;
    return static_cast<char>(
        std::toupper(static_cast<unsigned char>(argumentText[MODE_LETTER_INDEX])));
}

int32_t PreviewHandleFromArguments(const std::string& argumentText) {
    if (argumentText.size() <= PREVIEW_HANDLE_INDEX)
        return 0;
    size_t i = PREVIEW_HANDLE_INDEX;
    while (i < argumentText.size() && (argumentText[i] == ' ' || argumentText[i] == '\t'))
        ++i;
    int64_t value = 0;
    for (; i < argumentText.size() && std::isdigit(static_cast<unsigned char>(argumentText[i]));
         ++i) {
        value = value * 10 + (argumentText[i] - '0');
        if (value > INT32_MAX)
            return 0; // no 32-bit handle: no preview is embedded
    }
    return static_cast<int32_t>(value);
}

void HostStartup(StartupPort& system, StartupEvents& modes, const std::string& argumentText) {
    if (system.windowExists(SAVER_WINDOW_TITLE) || system.windowExists(SETTINGS_WINDOW_TITLE)) {
        system.endProcess();
        return;
    }

    const char mode = ModeLetter(argumentText);
    if (mode == MODE_PREVIEW) {
        modes.startPreview(PreviewHandleFromArguments(argumentText));
        return;
    }

    const std::string hostFolder = system.hostFolder();
    const MusicSettings settings = ReadSettings(system.profile(), system.files(), hostFolder);
    system.createFolder(WORK_FOLDER);

    if (!FileExists(system.files(), PathInFolder(hostFolder, RENDERER_FILE_NAME))) {
        system.showMessage(missingRendererMessage(), HOST_TITLE);
        system.endProcess();
        return;
    }

    if (mode == MODE_SETTINGS) {
        modes.showSettingsDialog(settings, hostFolder);
        system.endProcess();
        return;
    }
    if (!argumentText.empty() && mode != MODE_SAVER) {
        system.endProcess();
        return;
    }
    if (mode == MODE_SAVER)
        system.hideCursor();
    modes.createSaverWindow(settings, hostFolder, mode);
}

} // namespace kestro

#pragma once
// "設定": the music choice written to the settings file.

#include <string>

#include "host/music/music_settings.h"
#include "host/settings/settings_port.h"

namespace kestro {

enum class SaveOutcome {
    Saved,
    // The track box holds a number that no track setting can hold (beyond
    // the 16-bit range): nothing is written and the dialog stays open.
    TrackOutOfRange,
    // The settings file could not be written; it keeps what it held before.
    WriteFailed,
};

// The scratch copy the keys are written to, beside the settings file.
std::string SettingsScratchFilePath(const std::string& settingsFile);

// Writes "BGM区分", "BGMﾘﾋﾟｰﾄ" and "BGMﾌｧｲﾙ", in that order. BgmRepeatTrack
// takes the track box's value first: the typed number rounded (halves to
// even), 0 for any text that is no number. The track and the file path are
// written whatever the music kind.
// The keys go into a scratch copy of the file, which replaces the file only
// when all three were written: the file is never left half updated.
SaveOutcome SaveMusicSettings(SettingsPort& system, const std::string& settingsFile,
                              MusicSettings& settings, const std::string& trackBoxText);

// The message of a failed save: "設定を保存できませんでした。", then the
// file's path (given in the system code page) on a line of its own; UTF-8.
std::string SaveFailedMessage(const std::string& settingsFile);

} // namespace kestro

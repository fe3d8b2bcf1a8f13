#include "host/settings/settings_save.h"

#include "host/platform/ansi_text.h"
#include "host/settings/settings_dialog_texts.h"
#include "host/settings/track_box_text.h"
#include "host/startup/settings_file.h"

namespace kestro {

namespace {

constexpr char SCRATCH_SUFFIX[] = ".new";

bool writeKeys(ProfilePort& profile, const std::string& file, const MusicSettings& settings) {
    return WriteIniValue(profile, SETTINGS_SECTION, settingsKeyKind(),
                         SettingNumberText(settings.BgmKind), file) &&
           WriteIniValue(profile, SETTINGS_SECTION, settingsKeyRepeatTrack(),
                         SettingNumberText(settings.BgmRepeatTrack), file) &&
           WriteIniValue(profile, SETTINGS_SECTION, settingsKeyFile(), settings.BgmFile, file);
}

} // namespace

std::string SettingsScratchFilePath(const std::string& settingsFile) {
    return settingsFile + SCRATCH_SUFFIX;
}

SaveOutcome SaveMusicSettings(SettingsPort& system, const std::string& settingsFile,
                              MusicSettings& settings, const std::string& trackBoxText) {
    // Checked before anything is written, so a refused save leaves the file
    // as it was.
    const TrackBoxValue track = ReadTrackBoxText(trackBoxText);
    if (track.kind == TrackBoxValue::Kind::OutOfRange)
        return SaveOutcome::TrackOutOfRange;
    settings.BgmRepeatTrack = track.kind == TrackBoxValue::Kind::InRange ? track.value : int16_t{0};

    // The copy keeps whatever else the file holds, in the profile calls' own format.
    const std::string scratch = SettingsScratchFilePath(settingsFile);
    const bool saved = system.copyFile(settingsFile, scratch) &&
                       writeKeys(system.profile(), scratch, settings) &&
                       system.replaceFile(settingsFile, scratch);
    if (!saved) {
        system.removeFile(scratch);
        return SaveOutcome::WriteFailed;
    }
    return SaveOutcome::Saved;
}

std::string SaveFailedMessage(const std::string& settingsFile) {
    return SettingsDialogTexts().saveFailed + "\n" + utf8FromAnsi(settingsFile);
}

} // namespace kestro

#include "host/settings/settings_save.h"

#include "host/music/music_settings.h"
#include "host/settings/track_box_text.h"
#include "host/startup/settings_file.h"

namespace kestro {

SaveOutcome SaveMusicSettings(ProfilePort& profile, const std::string& settingsFile,
                              const std::string& trackBoxText) {
    // Checked before anything is written, so a refused save leaves the file
    // as it was rather than half updated.
    const TrackBoxValue track = ReadTrackBoxText(trackBoxText);
    if (track.kind == TrackBoxValue::Kind::OutOfRange)
        return SaveOutcome::TrackOutOfRange;

    WriteIniValue(profile, SETTINGS_SECTION, settingsKeyKind(), SettingNumberText(BgmKind),
                  settingsFile);
    BgmRepeatTrack = track.kind == TrackBoxValue::Kind::InRange ? track.value : int16_t{0};
    WriteIniValue(profile, SETTINGS_SECTION, settingsKeyRepeatTrack(),
                  SettingNumberText(BgmRepeatTrack), settingsFile);
    WriteIniValue(profile, SETTINGS_SECTION, settingsKeyFile(), BgmFile, settingsFile);
    return SaveOutcome::Saved;
}

} // namespace kestro

#pragma once
// "設定": the music choice written to the settings file.

#include <string>

#include "host/startup/profile_port.h"

namespace kestro {

enum class SaveOutcome {
    Saved,
    // The track box holds a number that no track setting can hold (beyond
    // the 16-bit range): nothing is written and the dialog stays open.
    TrackOutOfRange,
};

// Writes "BGM区分", "BGMﾘﾋﾟｰﾄ" and "BGMﾌｧｲﾙ", in that order, into the
// settings file. BgmRepeatTrack takes the track box's value first: the
// typed number rounded (halves to even), 0 for any text that is no number.
// The track and the file path are written whatever the music kind.
SaveOutcome SaveMusicSettings(ProfilePort& profile, const std::string& settingsFile,
                              const std::string& trackBoxText);

} // namespace kestro

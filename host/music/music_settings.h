#pragma once
// The music settings: read from the settings file at start-up, edited by the
// settings dialog, and used by the saver window to start the music.

#include <cstdint>
#include <string>

namespace kestro {

enum BgmKindValue : int16_t { BGM_NONE = 0, BGM_AUDIO_CD = 1, BGM_MUSIC_FILE = 2 };

struct MusicSettings {
    int16_t BgmKind = BGM_NONE; // 0 none, 1 audio CD, 2 music file; other values kept as read
    int16_t BgmRepeatTrack = 0; // audio-CD track to repeat, 0 = the whole disc
    std::string BgmFile;        // full path of an MP3 or WAV file (ANSI), empty when none
    std::string BgmFolder;      // folder of BgmFile, or the host folder: the file chooser's start
};

} // namespace kestro

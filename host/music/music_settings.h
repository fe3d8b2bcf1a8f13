#pragma once
// The music settings: loaded at start-up, edited by the settings dialog,
// read by the saver window to start the music.

#include <cstdint>
#include <string>

namespace kestro {

enum BgmKindValue : int16_t { BGM_NONE = 0, BGM_AUDIO_CD = 1, BGM_MUSIC_FILE = 2 };

extern int16_t BgmKind;         // 0 none, 1 audio CD, 2 music file; other values kept as read
extern int16_t BgmRepeatTrack;  // audio-CD track to repeat, 0 = the whole disc
extern std::string BgmFile;     // full path of an MP3 or WAV file (ANSI), empty when none
extern std::string BgmFolder;   // folder of BgmFile, or the host folder: the file chooser's start

} // namespace kestro

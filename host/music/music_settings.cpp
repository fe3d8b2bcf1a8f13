#include "host/music/music_settings.h"

namespace kestro {

int16_t BgmKind = BGM_NONE;
int16_t BgmRepeatTrack = 0;
std::string BgmFile;
std::string BgmFolder;

} // namespace kestro

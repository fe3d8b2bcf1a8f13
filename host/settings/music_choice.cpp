#include "host/settings/music_choice.h"

namespace kestro {

MusicChoiceLook MusicChoiceLookFor(int16_t kind) {
    MusicChoiceLook look;
    if (kind >= 0 && kind < MUSIC_KIND_COUNT)
        look.markSelected[static_cast<size_t>(kind)] = true;
    look.trackBoxEnabled = kind == BGM_AUDIO_CD;
    look.fileButtonEnabled = kind == BGM_MUSIC_FILE;
    return look;
}

MusicChoiceLook SelectMusicKind(MusicSettings& settings, int16_t kind) {
    settings.BgmKind = kind;
    return MusicChoiceLookFor(kind);
}

} // namespace kestro

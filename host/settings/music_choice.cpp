#include "host/settings/music_choice.h"

#include "host/music/music_settings.h"

namespace kestro {

MusicChoiceLook MusicChoiceLookFor(int16_t kind) {
    MusicChoiceLook look;
    if (kind >= 0 && kind < MUSIC_KIND_COUNT)
        look.markSelected[static_cast<size_t>(kind)] = true;
    look.trackBoxEnabled = kind == BGM_AUDIO_CD;
    look.fileButtonEnabled = kind == BGM_MUSIC_FILE;
    return look;
}

MusicChoiceLook SelectMusicKind(int16_t kind) {
    BgmKind = kind;
    return MusicChoiceLookFor(kind);
}

} // namespace kestro

#pragma once
// Which music-kind mark is set and which music controls can be used, for a
// given BgmKind; selecting a kind from the dialog.

#include <array>
#include <cstdint>

#include "host/music/music_settings.h"

namespace kestro {

constexpr int MUSIC_KIND_COUNT = 3; // the marks stand for kinds 0, 1 and 2

struct MusicChoiceLook {
    std::array<bool, MUSIC_KIND_COUNT> markSelected{}; // indexed by kind
    bool trackBoxEnabled = false;                      // audio CD: the track to repeat
    bool fileButtonEnabled = false;                    // music file: the "..." button
};

// The look for a kind. A kind outside 0 to 2 (kept as read from the file)
// selects no mark and enables nothing.
MusicChoiceLook MusicChoiceLookFor(int16_t kind);

// A mark or its label was pressed: BgmKind becomes the kind.
MusicChoiceLook SelectMusicKind(MusicSettings& settings, int16_t kind);

} // namespace kestro

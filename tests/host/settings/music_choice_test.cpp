#include "host/settings/music_choice.h"

#include <gtest/gtest.h>

#include "host/music/music_settings.h"

namespace kestro {
namespace {

using Marks = std::array<bool, MUSIC_KIND_COUNT>;

TEST(MusicChoiceLook, EachKindMarksItselfAndEnablesOnlyItsOwnControl) {
    for (int16_t kind : {BGM_NONE, BGM_AUDIO_CD, BGM_MUSIC_FILE}) {
        const MusicChoiceLook look = MusicChoiceLookFor(kind);
        Marks only{};
        only[static_cast<size_t>(kind)] = true;
        EXPECT_EQ(look.markSelected, only) << kind;
        EXPECT_EQ(look.trackBoxEnabled, kind == BGM_AUDIO_CD) << kind;
        EXPECT_EQ(look.fileButtonEnabled, kind == BGM_MUSIC_FILE) << kind;
    }
}

TEST(MusicChoiceLook, UnknownKindsMarkNothing) {
    for (int16_t kind : {int16_t{7}, int16_t{-1}, int16_t{3}, int16_t{INT16_MIN}}) {
        const MusicChoiceLook look = MusicChoiceLookFor(kind);
        EXPECT_EQ(look.markSelected, (Marks{false, false, false})) << kind;
        EXPECT_FALSE(look.trackBoxEnabled) << kind;
        EXPECT_FALSE(look.fileButtonEnabled) << kind;
    }
}

TEST(SelectMusicKind, StoresTheKindAndFollowsItsLook) {
    MusicSettings settings;
    settings.BgmKind = 7;
    settings.BgmFile = "C:\\a.mp3";
    const MusicChoiceLook cd = SelectMusicKind(settings, BGM_AUDIO_CD);
    EXPECT_EQ(settings.BgmKind, BGM_AUDIO_CD);
    EXPECT_EQ(settings.BgmFile, "C:\\a.mp3");
    EXPECT_TRUE(cd.trackBoxEnabled);

    const MusicChoiceLook none = SelectMusicKind(settings, BGM_NONE);
    EXPECT_EQ(settings.BgmKind, BGM_NONE);
    EXPECT_EQ(none.markSelected, (Marks{true, false, false}));
    EXPECT_FALSE(none.trackBoxEnabled);
}

} // namespace
} // namespace kestro

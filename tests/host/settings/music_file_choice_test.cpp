#include "host/settings/music_file_choice.h"

#include <gtest/gtest.h>

#include "host/music/music_settings.h"

namespace kestro {
namespace {

TEST(ApplyChosenMusicFile, SetsFileAndFolderButNotTheKind) {
    MusicSettings settings;
    settings.BgmKind = 2;
    settings.BgmFolder = "C:\\host";
    ApplyChosenMusicFile(settings, "D:\\Songs\\Live\\track.wav");
    EXPECT_EQ(settings.BgmFile, "D:\\Songs\\Live\\track.wav");
    EXPECT_EQ(settings.BgmFolder, "D:\\Songs\\Live");
    EXPECT_EQ(settings.BgmKind, 2);

    ApplyChosenMusicFile(settings, "E:\\top.mp3");
    EXPECT_EQ(settings.BgmFolder, "E:");
}

} // namespace
} // namespace kestro

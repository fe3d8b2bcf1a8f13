#include "host/music/music_file_type.h"

#include <gtest/gtest.h>

#include "host/music/music_text.h"

namespace kestro {
namespace {

TEST(MusicFileTypeTest, EndingDecidesInAnyCase) {
    EXPECT_EQ(MusicFileTypeOf("C:\\Music\\song.Mp3"), MusicFileType::Mp3);
    EXPECT_EQ(MusicFileTypeOf("C:\\Music\\song.MP3"), MusicFileType::Mp3);
    EXPECT_EQ(MusicFileTypeOf("C:\\Music\\loop.wav"), MusicFileType::Wav);
    EXPECT_EQ(MusicFileTypeOf("C:\\Music\\loop.wAV"), MusicFileType::Wav);
    EXPECT_EQ(MusicFileTypeOf("mp3"), MusicFileType::Mp3);
    // Only the last three characters count, not a dot before them.
    EXPECT_EQ(MusicFileTypeOf("C:\\Music\\remix_mp3"), MusicFileType::Mp3);
}

TEST(MusicFileTypeTest, OtherEndingsPlayNothing) {
    EXPECT_EQ(MusicFileTypeOf("C:\\Music\\tune.mid"), MusicFileType::Other);
    EXPECT_EQ(MusicFileTypeOf("C:\\Music\\tune.mp4"), MusicFileType::Other);
    EXPECT_EQ(MusicFileTypeOf("p3"), MusicFileType::Other);
    EXPECT_EQ(MusicFileTypeOf(""), MusicFileType::Other);
}

TEST(MusicFileTypeTest, TwoByteCharactersCountAsOneCharacter) {
    // "曲.mp3" in code page 932: the ending is found behind a two-byte name.
    EXPECT_EQ(MusicFileTypeOf("C:\\\x8b\xc8.mp3"), MusicFileType::Mp3);
    // "ノ" is 83 6D: its second byte looks like "m", but the last three
    // characters are "ノp3", no MP3 ending.
    const std::string name = "C:\\Music\\\x83\x6dp3";
    EXPECT_EQ(LastAnsiCharacters(name, 3), "\x83\x6dp3");
    EXPECT_EQ(MusicFileTypeOf(name), MusicFileType::Other);
}

TEST(MusicTextTest, UpperCaseLeavesTwoByteCharactersAlone) {
    EXPECT_EQ(UpperAnsiText("err \x83\x6d ok"), "ERR \x83\x6d OK");
    EXPECT_TRUE(ContainsAnsiText("Error:263", "Error"));
    EXPECT_FALSE(ContainsAnsiText("\x83\x45RR", "ERR"));
    EXPECT_TRUE(ContainsAnsiText("\x83\x45" "ERR", "ERR"));
}

} // namespace
} // namespace kestro

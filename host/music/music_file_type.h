#pragma once
// Which player a music file goes to: the last three characters of its
// name, upper-cased, say "WAV" or "MP3"; any other ending plays nothing.

#include <string>

namespace kestro {

enum class MusicFileType { Wav, Mp3, Other };

constexpr size_t MUSIC_FILE_TYPE_LENGTH = 3;
constexpr char WAV_FILE_TYPE[] = "WAV";
constexpr char MP3_FILE_TYPE[] = "MP3";

MusicFileType MusicFileTypeOf(const std::string& bgmFile);

} // namespace kestro

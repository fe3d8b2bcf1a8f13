#include "host/music/music_file_type.h"

#include "host/music/music_text.h"

namespace kestro {

MusicFileType MusicFileTypeOf(const std::string& bgmFile) {
    const std::string ending = UpperAnsiText(LastAnsiCharacters(bgmFile, MUSIC_FILE_TYPE_LENGTH));
    if (ending == WAV_FILE_TYPE) return MusicFileType::Wav;
    if (ending == MP3_FILE_TYPE) return MusicFileType::Mp3;
    return MusicFileType::Other;
}

} // namespace kestro

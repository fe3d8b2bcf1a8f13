// Fuzz target of the host's Shift-JIS path helpers: any bytes as a path, as
// the settings file or the file chooser may hand one over. A two-byte
// character is one character: its second byte, which may be "\" or ":", is
// never a separator, and no path is ever cut inside a character.
//   - FolderOfPath: everything up to the last ":" or "\", less a final "\";
//   - HostFolderOfProgram: the same, a drive keeping its root "\";
//   - FileExists: the name the file system is asked about, with one final
//     "\" dropped, and no question at all for an empty name or one that
//     holds a NUL (no file's name does);
//   - MusicFileTypeOf: the last three characters, upper-cased, say WAV or MP3.

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/music/music_file_type.h"
#include "host/platform/path_helpers.h"
#include "testing/fake_files.h"
#include "tools/fuzz_support/ansi_characters.h"

namespace {

using namespace kestro;
using namespace kestro::fuzzing;

std::string expectedFolder(const std::string& path) {
    const std::vector<AnsiCharacter> characters = ansiCharacters(path);
    for (size_t i = characters.size(); i-- > 0;) {
        const AnsiCharacter& c = characters[i];
        if (isSingle(path, c, '\\'))
            return path.substr(0, c.offset);
        if (isSingle(path, c, ':'))
            return path.substr(0, c.offset + 1);
    }
    return std::string();
}

void checkFolders(const std::string& path) {
    const std::string folder = expectedFolder(path);
    require(FolderOfPath(path) == folder);

    const std::vector<AnsiCharacter> characters = ansiCharacters(folder);
    const bool drive = !characters.empty() && isSingle(folder, characters.back(), ':');
    require(HostFolderOfProgram(path) == (drive ? folder + "\\" : folder));
}

void checkFileExists(const std::string& path) {
    const std::string asked = withoutTrailingSeparator(path);
    const bool answerable = !asked.empty() && asked.find('\0') == std::string::npos;
    for (const bool present : {false, true}) {
        testing::FakeFiles files;
        if (present)
            files.add(asked);
        const bool exists = FileExists(files, path);
        if (!answerable) {
            require(!exists && files.asked.empty());
            continue;
        }
        require(files.asked.size() == 1 && files.asked.front() == asked);
        require(exists == present);
    }
}

MusicFileType expectedType(const std::string& path) {
    const std::vector<AnsiCharacter> characters = ansiCharacters(path);
    if (characters.size() < MUSIC_FILE_TYPE_LENGTH)
        return MusicFileType::Other;
    std::string ending;
    for (size_t i = characters.size() - MUSIC_FILE_TYPE_LENGTH; i < characters.size(); ++i) {
        if (characters[i].length != 1)
            return MusicFileType::Other;
        const char c = path[characters[i].offset];
        ending += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    if (ending == "WAV")
        return MusicFileType::Wav;
    if (ending == "MP3")
        return MusicFileType::Mp3;
    return MusicFileType::Other;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path(reinterpret_cast<const char*>(data), size);
    checkFolders(path);
    checkFileExists(path);
    require(MusicFileTypeOf(path) == expectedType(path));
    return 0;
}

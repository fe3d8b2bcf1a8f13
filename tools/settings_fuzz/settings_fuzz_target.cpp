// Fuzz target of the settings as ReadSettings receives them, from a file
// anyone can edit: the three values of the settings file, any bytes each,
// and the host folder, through an in-memory profile and file system. The
// input holds the four texts one after another, each ended by a newline
// (which no profile value can hold): music kind, repeat track, music file,
// host folder (the rest of the input).
//
// A value is read back as at most 255 bytes, up to a NUL. A number is kept
// when it is plain decimal (blanks around it allowed) and, rounded down,
// fits in 16 bits; anything else reads as 0. The music file is kept when it
// exists (one final "\" aside), and the music-file kind only with it.

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "host/platform/path_helpers.h"
#include "host/startup/settings_file.h"
#include "testing/fake_files.h"
#include "testing/fake_profile.h"
#include "tools/fuzz_support/ansi_characters.h"

namespace {

using namespace kestro;
using namespace kestro::fuzzing;

constexpr char VALUE_END = '\n';
constexpr size_t VALUE_LIMIT = 255;
constexpr char BLANKS[] = " \t\n\v\f\r";

// Files that exist: a music file, one whose folder ends in a two-byte
// character with a "\" second byte, a name of exactly 255 bytes, a bare name.
const std::vector<std::string>& presentFiles() {
    static const std::vector<std::string> files = {
        "C:\\Music\\song.mp3", "C:\\\x95\x5C\\tune.wav",
        "C:\\" + std::string(VALUE_LIMIT - 7, 'a') + ".mp3", "a"};
    return files;
}

// The four texts; those the input ends before are empty.
std::vector<std::string> splitValues(const std::string& input) {
    constexpr size_t TEXTS = 4;
    std::vector<std::string> values;
    size_t start = 0;
    while (values.size() + 1 < TEXTS) {
        const size_t end = input.find(VALUE_END, start);
        if (end == std::string::npos)
            break;
        values.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    values.push_back(input.substr(start));
    values.resize(TEXTS);
    return values;
}

std::string asRead(const std::string& stored) {
    const std::string cut = stored.substr(0, VALUE_LIMIT);
    return cut.substr(0, cut.find('\0'));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// [+-] digits [. digits] [e [+-] digits], at least one digit before the exponent.
bool isPlainDecimal(const std::string& text) {
    size_t i = 0;
    const auto digits = [&] {
        const size_t from = i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        return i - from;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t mantissa = digits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        if (digits() == 0)
            return false;
    }
    return i == text.size();
}

struct ExpectedNumber {
    bool known; // false for a decimal beyond what a double holds exactly enough to say
    std::optional<int16_t> value;
};

ExpectedNumber expectedNumber(const std::string& text) {
    const size_t first = text.find_first_not_of(BLANKS);
    if (first == std::string::npos)
        return {true, std::nullopt};
    const std::string number = text.substr(first, text.find_last_not_of(BLANKS) - first + 1);
    if (!isPlainDecimal(number))
        return {true, std::nullopt};
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE)
        return {false, std::nullopt};
    const double whole = std::floor(value);
    if (whole < INT16_MIN || whole > INT16_MAX)
        return {true, std::nullopt};
    return {true, static_cast<int16_t>(whole)};
}

void checkNumber(const std::string& text, int16_t loaded) {
    const ExpectedNumber expected = expectedNumber(text);
    if (!expected.known)
        return;
    require(SettingNumber(text) == expected.value);
    require(loaded == expected.value.value_or(0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> values =
        splitValues(std::string(reinterpret_cast<const char*>(data), size));
    const std::string& hostFolder = values[3];

    testing::FakeProfile profile;
    const std::string settingsFile = hostFolder + "\\" + SETTINGS_FILE_NAME;
    profile.set(settingsFile, SETTINGS_SECTION, settingsKeyKind(), values[0]);
    profile.set(settingsFile, SETTINGS_SECTION, settingsKeyRepeatTrack(), values[1]);
    profile.set(settingsFile, SETTINGS_SECTION, settingsKeyFile(), values[2]);
    testing::FakeFiles files;
    for (const std::string& present : presentFiles())
        files.add(present);

    const MusicSettings loaded = ReadSettings(profile, files, hostFolder);
    require(profile.writes.empty());

    const std::string musicFile = asRead(values[2]);
    const bool musicFileExists =
        !musicFile.empty() && files.files.count(withoutTrailingSeparator(musicFile)) > 0;
    require(loaded.BgmFile == (musicFileExists ? musicFile : std::string()));
    require(loaded.BgmFolder == (musicFileExists ? FolderOfPath(musicFile) : hostFolder));

    checkNumber(asRead(values[1]), loaded.BgmRepeatTrack);
    const std::string kind = asRead(values[0]);
    const ExpectedNumber expectedKind = expectedNumber(kind);
    if (expectedKind.known && expectedKind.value == BGM_MUSIC_FILE && !musicFileExists)
        require(loaded.BgmKind == BGM_NONE);
    else
        checkNumber(kind, loaded.BgmKind);
    return 0;
}

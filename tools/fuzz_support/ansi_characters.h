#pragma once
// What the fuzz targets hold the host's path and number handling to, worked
// out character by character on their own: an ANSI text (system code page,
// 932 natively) as a list of characters, one or two bytes each.

#include <string>
#include <vector>

#include "host/platform/ansi_text.h"

namespace kestro::fuzzing {

struct AnsiCharacter {
    size_t offset;
    size_t length;
};

inline std::vector<AnsiCharacter> ansiCharacters(const std::string& text) {
    std::vector<AnsiCharacter> characters;
    for (size_t offset = 0; offset < text.size();) {
        const bool pair =
            isAnsiLeadByte(static_cast<unsigned char>(text[offset])) && offset + 1 < text.size();
        const size_t length = pair ? 2 : 1;
        characters.push_back({offset, length});
        offset += length;
    }
    return characters;
}

// True when the character is the single byte c (not the second byte of a pair).
inline bool isSingle(const std::string& text, const AnsiCharacter& character, char c) {
    return character.length == 1 && text[character.offset] == c;
}

// The text without its last character when that is a single "\".
inline std::string withoutTrailingSeparator(const std::string& text) {
    const std::vector<AnsiCharacter> characters = ansiCharacters(text);
    if (!characters.empty() && isSingle(text, characters.back(), '\\'))
        return text.substr(0, characters.back().offset);
    return text;
}

[[noreturn]] inline void fault() {
    __builtin_trap();
}
inline void require(bool holds) {
    if (!holds)
        fault();
}

} // namespace kestro::fuzzing

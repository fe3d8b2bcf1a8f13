#include "host/music/music_text.h"

#include <vector>

#include "host/platform/ansi_text.h"

namespace kestro {

namespace {

std::vector<size_t> characterStarts(const std::string& text) {
    std::vector<size_t> starts;
    forEachAnsiCharacter(text, [&starts](size_t offset) { starts.push_back(offset); });
    return starts;
}

bool isSingleByteLowerLetter(const std::string& text, size_t offset) {
    const char c = text[offset];
    return c >= 'a' && c <= 'z';
}

} // namespace

std::string LastAnsiCharacters(const std::string& text, size_t count) {
    const std::vector<size_t> starts = characterStarts(text);
    if (starts.size() <= count) return text;
    return text.substr(starts[starts.size() - count]);
}

std::string UpperAnsiText(const std::string& text) {
    std::string upper = text;
    for (size_t offset : characterStarts(text)) {
        if (isSingleByteLowerLetter(text, offset)) upper[offset] = static_cast<char>(text[offset] - 'a' + 'A');
    }
    return upper;
}

bool ContainsAnsiText(const std::string& text, const std::string& part) {
    if (part.empty()) return true;
    for (size_t offset : characterStarts(text)) {
        if (text.compare(offset, part.size(), part) == 0) return true;
    }
    return false;
}

} // namespace kestro

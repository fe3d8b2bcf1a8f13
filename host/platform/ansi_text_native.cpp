#include "host/platform/ansi_text.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace kestro {

namespace {

constexpr char REPLACEMENT_CHARACTER[] = "\xEF\xBF\xBD"; // U+FFFD in UTF-8
constexpr size_t MOST_BYTES_PER_BYTE = 3;                // a one-byte kana is three in UTF-8

// Converts a whole text. A byte sequence that is no character of the source
// throws when the text is one of ours, and becomes U+FFFD when it comes from
// outside (a stored path shown to the user).
std::string convert(std::string_view text, const char* to, const char* from, bool replaceBad) {
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("no CP932 converter");
    std::string in(text);
    std::string out;
    char* inPtr = in.data();
    size_t inLeft = in.size();
    while (inLeft > 0) {
        std::string chunk(inLeft * MOST_BYTES_PER_BYTE + 4, '\0');
        char* outPtr = chunk.data();
        size_t outLeft = chunk.size();
        const size_t result = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(chunk.data(), chunk.size() - outLeft);
        if (result != static_cast<size_t>(-1))
            break;
        if (!replaceBad || (errno != EILSEQ && errno != EINVAL)) {
            iconv_close(converter);
            throw std::runtime_error("text not in CP932");
        }
        out += REPLACEMENT_CHARACTER;
        ++inPtr;
        --inLeft;
    }
    iconv_close(converter);
    return out;
}

} // namespace

// Native builds stand for a Japanese system: code page 932.
std::string ansiText(std::string_view utf8) {
    return convert(utf8, "CP932", "UTF-8", false);
}

std::string utf8FromAnsi(std::string_view ansi) {
    return convert(ansi, "UTF-8", "CP932", true);
}

bool isAnsiLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

} // namespace kestro

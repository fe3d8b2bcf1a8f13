// Fuzz target of the host's argument text: any bytes as the text that follows
// the program's path on its command line, through the two readings start-up
// makes of it, the mode letter and the preview area's handle.

#include <cstddef>
#include <cstdint>
#include <string>

#include "host/startup/host_startup.h"

namespace {

constexpr size_t MODE_LETTER_INDEX = 1;
constexpr size_t HANDLE_INDEX = 3;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLowerLetter(char c) {
    return c >= 'a' && c <= 'z';
}

void checkModeLetter(const std::string& text, char letter) {
    if (text.size() <= MODE_LETTER_INDEX) {
        if (letter != kestro::NO_MODE_LETTER)
            __builtin_trap();
        return;
    }
    const char second = text[MODE_LETTER_INDEX];
    const char expected = isLowerLetter(second) ? static_cast<char>(second - 'a' + 'A') : second;
    if (letter != expected)
        __builtin_trap();
}

// Worked out on the text rather than by arithmetic: the digits after the
// blanks, leading zeros dropped, are the handle's decimal text, unless they
// spell no 32-bit number, which gives 0.
void checkPreviewHandle(const std::string& text, int32_t handle) {
    std::string digits;
    if (text.size() > HANDLE_INDEX) {
        size_t i = HANDLE_INDEX;
        while (i < text.size() && isBlank(text[i]))
            ++i;
        while (i < text.size() && isDigit(text[i]))
            digits += text[i++];
    }
    const size_t firstSignificant = digits.find_first_not_of('0');
    const std::string significant =
        firstSignificant == std::string::npos ? std::string() : digits.substr(firstSignificant);
    const std::string largest = std::to_string(INT32_MAX);
    const bool fits = significant.size() < largest.size() ||
                      (significant.size() == largest.size() && significant <= largest);
    const std::string expected = fits && !significant.empty() ? significant : "0";
    if (std::to_string(handle) != expected)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkModeLetter(text, kestro::ModeLetter(text));
    checkPreviewHandle(text, kestro::PreviewHandleFromArguments(text));
    return 0;
}

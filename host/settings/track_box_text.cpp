#include "host/settings/track_box_text.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace kestro {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The plain decimal forms only: strtod alone would also take hexadecimal
// floats, "inf" and "nan".
bool isDecimalNumber(const std::string& text) {
    size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        size_t exponentDigits = 0;
        while (i < text.size() && isDigit(text[i]))
            ++i, ++exponentDigits;
        if (exponentDigits == 0)
            return false;
    }
    return i == text.size();
}

} // namespace

std::string TrackBoxText(int value) {
    return value == 0 ? std::string() : std::to_string(value);
}

std::vector<std::string> TrackBoxEntries() {
    std::vector<std::string> entries;
    for (int track = 0; track <= TRACK_LIST_LAST; ++track)
        entries.push_back(TrackBoxText(track));
    return entries;
}

TrackBoxValue ReadTrackBoxText(const std::string& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    const std::string number = text.substr(first, last - first);
    if (!isDecimalNumber(number))
        return {};

    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    // The default rounding mode rounds halves to even.
    const double rounded = std::nearbyint(value);
    if (errno == ERANGE && std::isinf(value))
        return {TrackBoxValue::Kind::OutOfRange, 0};
    if (!(rounded >= INT16_MIN && rounded <= INT16_MAX))
        return {TrackBoxValue::Kind::OutOfRange, 0};
    return {TrackBoxValue::Kind::InRange, static_cast<int16_t>(rounded)};
}

} // namespace kestro

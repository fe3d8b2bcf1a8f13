#pragma once
// The track box: the audio-CD track to repeat as the dialog shows it, the
// choices of its list, and reading back what the user typed.

#include <cstdint>
#include <string>
#include <vector>

namespace kestro {

constexpr int TRACK_LIST_LAST = 30; // the list offers no track, then 1 to 30

// A track number as the box shows it: empty for 0, else its decimal digits.
std::string TrackBoxText(int value);

// The list entries: "" followed by "1" to "30".
std::vector<std::string> TrackBoxEntries();

struct TrackBoxValue {
    enum class Kind { NotNumeric, InRange, OutOfRange };
    Kind kind = Kind::NotNumeric;
    int16_t value = 0; // the number rounded to an integer (halves to even) when InRange
};

// Reads the typed text: a decimal number (blanks around it, a sign, a
// fraction and an exponent allowed) rounded to the nearest integer, halves
// to even. A number whose rounded value does not fit in 16 bits is
// OutOfRange; anything else, the empty text included, is NotNumeric.
TrackBoxValue ReadTrackBoxText(const std::string& text);

} // namespace kestro

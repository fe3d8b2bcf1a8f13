#pragma once
// A font as the host's forms hand it around: what a LOGFONT is made from.
// The face name is UTF-8.

#include <cstdint>
#include <string>

namespace kestro {

constexpr int16_t FONT_WEIGHT_REGULAR = 400;
constexpr uint8_t FONT_CHARSET_SHIFTJIS = 128;

struct FontDescription {
    std::string faceName; // UTF-8
    double pointSize = 9.0;
    int16_t weight = FONT_WEIGHT_REGULAR;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    uint8_t charset = 0;

    bool operator==(const FontDescription& other) const {
        return faceName == other.faceName && pointSize == other.pointSize &&
               weight == other.weight && italic == other.italic && underline == other.underline &&
               strikeOut == other.strikeOut && charset == other.charset;
    }
    bool operator!=(const FontDescription& other) const { return !(*this == other); }
};

} // namespace kestro

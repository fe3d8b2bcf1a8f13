#pragma once
// The frame-rate display's text laid out in the bottom-left corner of the
// picture: a tiny built-in bitmap font, drawn as one square of pixels per
// lit cell of a glyph, on a dark backing so that it reads over the show.
// Portable: it only says which rectangles to fill.

#include <string>
#include <vector>

namespace kestro {

// A rectangle of pixels counted from the picture's bottom-left corner, as
// OpenGL counts them.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct TextPanel {
    PixelRect backing;            // the dark box behind the text
    std::vector<PixelRect> cells; // the text's lit cells
};

// The glyph of a character, as rows from the top of '#' (lit) and '.'
// (dark); null for a character the font does not hold.
const char* const* glyphRows(char character);

// Pixels a side of one font cell for a picture this high: a preview gets the
// smallest text, a screen one that reads from a distance.
int frameRateTextScale(int pictureHeight);

// The lines, the first on top, in the bottom-left corner. A character the
// font does not hold is left blank.
TextPanel layoutCornerText(const std::vector<std::string>& lines, int scale);

} // namespace kestro

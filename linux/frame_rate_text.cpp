#include "linux/frame_rate_text.h"

#include <algorithm>

namespace kestro {

namespace {

constexpr int GLYPH_WIDTH = 5;
constexpr int GLYPH_HEIGHT = 7;
// In font cells: from one character to the next, one line to the next, the
// backing's edge to the text, and the picture's edge to the backing.
constexpr int CHARACTER_ADVANCE = 6;
constexpr int LINE_ADVANCE = 9;
constexpr int BACKING_PADDING = 2;
constexpr int CORNER_MARGIN = 2;
// One font cell a pixel per this many pixels of picture height; never
// smaller than a pixel.
constexpr int PICTURE_HEIGHT_PER_SCALE = 256;

struct Glyph {
    char character;
    const char* rows[GLYPH_HEIGHT];
};

// Exactly what the display writes: its two labels, numbers, and the marks.
const Glyph FONT[] = {
    {' ', {".....", ".....", ".....", ".....", ".....", ".....", "....."}},
    {'%', {"##...", "##..#", "...#.", "..#..", ".#...", "#..##", "...##"}},
    {'-', {".....", ".....", ".....", ".###.", ".....", ".....", "....."}},
    {'.', {".....", ".....", ".....", ".....", ".....", ".##..", ".##.."}},
    {':', {".....", ".##..", ".##..", ".....", ".##..", ".##..", "....."}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####"}},
    {'d', {"....#", "....#", ".##.#", "#..##", "#...#", "#...#", ".####"}},
    {'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}},
};

// The lit cells of one glyph whose bottom-left corner is at (left, bottom).
void addGlyphCells(const char* const* rows, int left, int bottom, int scale,
                   std::vector<PixelRect>& cells) {
    for (int row = 0; row < GLYPH_HEIGHT; ++row) {
        const int y = bottom + (GLYPH_HEIGHT - 1 - row) * scale;
        for (int column = 0; column < GLYPH_WIDTH; ++column)
            if (rows[row][column] == '#')
                cells.push_back({left + column * scale, y, scale, scale});
    }
}

} // namespace

const char* const* glyphRows(char character) {
    for (const Glyph& glyph : FONT)
        if (glyph.character == character)
            return glyph.rows;
    return nullptr;
}

int frameRateTextScale(int pictureHeight) {
    return std::max(1, pictureHeight / PICTURE_HEIGHT_PER_SCALE);
}

TextPanel layoutCornerText(const std::vector<std::string>& lines, int scale) {
    TextPanel panel;
    size_t longest = 0;
    for (const std::string& line : lines)
        longest = std::max(longest, line.size());
    const int lineCount = static_cast<int>(lines.size());
    panel.backing.x = CORNER_MARGIN * scale;
    panel.backing.y = CORNER_MARGIN * scale;
    panel.backing.width =
        (static_cast<int>(longest) * CHARACTER_ADVANCE - 1 + 2 * BACKING_PADDING) * scale;
    panel.backing.height =
        ((lineCount - 1) * LINE_ADVANCE + GLYPH_HEIGHT + 2 * BACKING_PADDING) * scale;
    const int textLeft = panel.backing.x + BACKING_PADDING * scale;
    const int textBottom = panel.backing.y + BACKING_PADDING * scale;
    for (int line = 0; line < lineCount; ++line) {
        const int bottom = textBottom + (lineCount - 1 - line) * LINE_ADVANCE * scale;
        const std::string& text = lines[static_cast<size_t>(line)];
        for (size_t at = 0; at < text.size(); ++at) {
            const char* const* rows = glyphRows(text[at]);
            if (rows != nullptr)
                addGlyphCells(rows, textLeft + static_cast<int>(at) * CHARACTER_ADVANCE * scale,
                              bottom, scale, panel.cells);
        }
    }
    return panel;
}

} // namespace kestro

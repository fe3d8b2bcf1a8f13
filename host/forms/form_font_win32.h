#pragma once
// Fonts of the host's forms, given as a designer gives them: face name,
// size in points, character set.

#include <windows.h>

#include <string>

namespace kestro {

struct FormFontSpec {
    std::string faceName; // UTF-8
    double points = 9.0;
    int charset = DEFAULT_CHARSET;
    int weight = FW_NORMAL;
    bool underline = false;
};

// Character height in pixels for a point size on the screen (9.75 pt is 13
// pixels at 96 dpi).
int fontPixelHeight(double points);

// A new font the caller deletes with DeleteObject; null on failure.
HFONT createFormFont(const FormFontSpec& wanted);

} // namespace kestro

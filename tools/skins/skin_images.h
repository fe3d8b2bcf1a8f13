#pragma once
// Draws the six skins of the Command button: 64 x 25 pixels, whose outer
// ring of 4 pixels the button copies (corners as they are, edges stretched).

#include <cstdint>
#include <string>
#include <vector>

namespace kestro {

struct SkinImageFile {
    std::string fileName;       // under resources/command_skins/
    std::vector<uint8_t> bytes; // a complete 24-bit BMP file
};

// All six, in the order Normal, HighLight, HighLightSelect, Selected,
// Pressed, Disable.
std::vector<SkinImageFile> drawSkinImages();

} // namespace kestro

#pragma once
// A picture of the show as the film keeps it: 8-bit red, green and blue,
// rows from the top.

#include <cstdint>
#include <string>
#include <vector>

namespace kestro {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
};

// The picture at a smaller size, each new pixel the mean of the area it
// covers (partly covered pixels weighed by the part), rounded. Integer
// arithmetic only, so the result is the same on every machine.
Picture scaledDown(const Picture& source, int width, int height);

// A binary PPM (P6) file; false when it could not be written whole.
bool writePpm(const std::string& path, const Picture& picture);

} // namespace kestro

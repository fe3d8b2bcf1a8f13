#pragma once
// Where the dialog opens: centred across the screen, with a third of the
// free height above it and two thirds below.

namespace kestro {

struct DialogOrigin {
    int left = 0; // twips
    int top = 0;
};

// All sizes in twips. The free space may be negative when the window is
// larger than the screen; the division then truncates toward zero.
DialogOrigin DialogPlacement(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

} // namespace kestro

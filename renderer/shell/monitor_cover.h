#pragma once
// Blacking out the monitors the renderer does not draw on, so no desktop is
// left showing beside the show. Portable: the decision is plain data; the
// backend makes and unmakes the windows through its Win32Port.

#include <cstdint>
#include <vector>

namespace kestro {

// A rectangle on the virtual screen; right and bottom are exclusive.
struct ScreenRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;

    bool operator==(const ScreenRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
    bool empty() const { return right <= left || bottom <= top; }
};

// The rectangles to cover: every listed monitor but the renderer's, each
// once, in the order listed. Nothing when the list does not hold the
// renderer's monitor: a listing that disagrees with itself could otherwise
// black out the show.
std::vector<ScreenRect> coverRectangles(const std::vector<ScreenRect>& monitors,
                                        const ScreenRect& rendererMonitor);

} // namespace kestro

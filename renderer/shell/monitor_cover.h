#pragma once
// Blacking out the monitors the renderer does not draw on, so no desktop is
// left showing beside the show. Portable: the decision is plain data, and
// the windows are made and unmade through the window's ShellPort.

#include <cstdint>
#include <vector>

namespace kestro {

struct RendererWindow;

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

// Covers the other monitors of the window's display; made before the window
// is shown, so that the shown window comes out above covers that overlap it.
// Topmost over a full-screen window, which is topmost itself; beside a
// framed window they stay at its level, so they can never hide it. A cover
// the system refuses is left out.
void coverOtherMonitors(RendererWindow& window);
// Takes the covers away again.
void uncoverMonitors(RendererWindow& window);

} // namespace kestro

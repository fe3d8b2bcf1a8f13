#pragma once
// The settings dialog's pictures, drawn to their descriptions: the two mark
// pictures, the window icon and the link label's hand cursor.

#include <vector>

#include "tools/settings_pictures/picture_files.h"

namespace kestro::tools {

constexpr int MARK_SIZE = 12;
constexpr Rgba MARK_FILL_UNSELECTED{255, 255, 255};
constexpr Rgba MARK_FRAME_UNSELECTED{128, 128, 128};
constexpr Rgba MARK_FILL_SELECTED{0, 0, 255};

constexpr int ICON_SIZE = 32;
constexpr int CURSOR_SIZE = 32;
constexpr int HAND_HOT_X = 12; // the tip of the raised index finger
constexpr int HAND_HOT_Y = 10;

Picture UnselectedMarkPicture(); // white square, grey frame
Picture SelectedMarkPicture();   // filled blue square
Picture DialogIconPicture();     // a ring of glowing particles on a dark disc

// The hand with the index finger raised, top row first.
std::vector<CursorPixel> HandCursorPixels();

} // namespace kestro::tools

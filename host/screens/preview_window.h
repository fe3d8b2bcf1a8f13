#pragma once
// Kestrovalinde_R: the borderless black window that shows the preview
// picture inside the display settings' preview area.

#include <windows.h>

namespace kestro {

constexpr char PREVIEW_WINDOW_TITLE[] = "Preview Window";

// Creates the preview window, hidden. Null when it cannot be created.
HWND CreatePreviewWindow();

// Places the picture control Img_Prev at (0, 0) with the given pixel size.
void SizePreviewImage(int widthPixels, int heightPixels);

} // namespace kestro

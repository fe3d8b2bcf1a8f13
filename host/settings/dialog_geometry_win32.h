#pragma once
// The dialog's designer geometry turned into what the screen needs: pixel
// rectangles for the windowless controls, twips rectangles for the buttons,
// and the window's place on the screen.

#include <windows.h>

#include "host/controls/command_win32.h"
#include "host/settings/settings_dialog_layout.h"

namespace kestro {

RECT pixelRect(const DesignRect& twips);
TwipsRect commandRect(const DesignRect& twips);

// Moves the dialog to where DialogPlacement puts a window of its size.
void placeDialogOnScreen(HWND dialog);

} // namespace kestro

#pragma once
// What the settings dialog loads once and frees when it goes: its fonts, the
// two pictures of a music-kind mark, its icon and the link cursor.

#include <windows.h>

#include "host/controls/font_description.h"
#include "host/settings/settings_dialog_texts.h"

namespace kestro {

class SettingsDialogResources {
  public:
    explicit SettingsDialogResources(const SettingsDialogTextSet& texts);
    ~SettingsDialogResources();
    SettingsDialogResources(const SettingsDialogResources&) = delete;
    SettingsDialogResources& operator=(const SettingsDialogResources&) = delete;

    // Each is null when it could not be loaded.
    HFONT labelFont = nullptr;
    HFONT linkFont = nullptr;         // the label font, underlined
    HBITMAP markUnselected = nullptr; // Img_Ra(0)
    HBITMAP markSelected = nullptr;   // Img_Ra(1)
    HICON icon = nullptr;
    HCURSOR linkCursor = nullptr;
    FontDescription buttonFont;
};

} // namespace kestro

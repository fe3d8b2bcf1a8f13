#include "host/settings/settings_dialog_resources_win32.h"

#include "host/forms/form_font_win32.h"
#include "host/forms/form_image_win32.h"
#include "host/settings/settings_dialog_layout.h"

namespace kestro {

namespace {
// Resource names (resources/settings_dialog.rc).
constexpr char ICON_RESOURCE[] = "SETTINGS_ICON";
constexpr char LINK_CURSOR_RESOURCE[] = "SETTINGS_LINK_CURSOR";
constexpr char MARK_UNSELECTED_RESOURCE[] = "SETTINGS_MARK_OFF";
constexpr char MARK_SELECTED_RESOURCE[] = "SETTINGS_MARK_ON";
} // namespace

SettingsDialogResources::SettingsDialogResources(const SettingsDialogTextSet& texts) {
    const FormFontSpec labelSpec{texts.fontName, DIALOG_FONT_POINTS, SHIFTJIS_CHARSET_CODE};
    labelFont = createFormFont(labelSpec);
    FormFontSpec linkSpec = labelSpec;
    linkSpec.underline = true;
    linkFont = createFormFont(linkSpec);
    markUnselected = loadBitmapResource(MARK_UNSELECTED_RESOURCE);
    markSelected = loadBitmapResource(MARK_SELECTED_RESOURCE);
    icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), ICON_RESOURCE, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    linkCursor = static_cast<HCURSOR>(
        LoadImageA(GetModuleHandleA(nullptr), LINK_CURSOR_RESOURCE, IMAGE_CURSOR, 0, 0, 0));

    buttonFont.faceName = texts.fontName;
    buttonFont.pointSize = DIALOG_FONT_POINTS;
    buttonFont.charset = FONT_CHARSET_SHIFTJIS;
}

SettingsDialogResources::~SettingsDialogResources() {
    for (HGDIOBJ object :
         {static_cast<HGDIOBJ>(labelFont), static_cast<HGDIOBJ>(linkFont),
          static_cast<HGDIOBJ>(markUnselected), static_cast<HGDIOBJ>(markSelected)}) {
        if (object)
            DeleteObject(object);
    }
    if (icon)
        DestroyIcon(icon);
    if (linkCursor)
        DestroyCursor(linkCursor);
}

} // namespace kestro

#pragma once
// The settings dialog's controls, placed, captioned and styled as its
// designer laid them out. The comment beside each control gives the
// designer's name for it, by which the dialog's behaviour is described.

#include <windows.h>

#include <array>

#include "host/controls/command_win32.h"
#include "host/forms/form_combo_box_win32.h"
#include "host/forms/form_image_win32.h"
#include "host/forms/form_label_win32.h"
#include "host/forms/form_link_label_win32.h"
#include "host/forms/form_shape_win32.h"
#include "host/forms/form_window_win32.h"
#include "host/forms/windowless_control_win32.h"
#include "host/settings/music_choice.h"
#include "host/settings/settings_dialog_resources_win32.h"
#include "host/settings/settings_dialog_texts.h"

namespace kestro {

// The dialog window, and its panel Pic_C(0) that holds the music controls.
FormPlacement SettingsDialogPlacement();
FormPlacement SettingsPanelPlacement(HWND dialog);

struct SettingsDialogControls {
    // Creates and places the controls of the dialog window, or of the panel.
    void createOnDialog(HWND dialog, const SettingsDialogTextSet& texts,
                        const SettingsDialogResources& resources);
    void createOnPanel(HWND panel, const SettingsDialogTextSet& texts,
                       const SettingsDialogResources& resources);

    // The windowless controls of each container, in painting order.
    WindowlessLayer dialogLayer;
    WindowlessLayer panelLayer;

    FormLabel creditLabel;                              // lbl(7)
    FormLinkLabel linkLabel;                            // lbl_URL
    FormShape headingFrame;                             // Shape3(3)
    FormLabel headingLabel;                             // lbl(15)
    std::array<FormImage, MUSIC_KIND_COUNT> marks;      // Img_BGM(kind)
    std::array<FormLabel, MUSIC_KIND_COUNT> kindLabels; // lbl_BGM(kind)
    FormLabel repeatLabel;                              // lbl(14)
    FormLabel fileLabel;                                // lbl_Fname(0)
    FormComboBox trackBox;                              // BGM_Repeat
    Command fileButton;                                 // Cmd_File(0)
    Command saveButton;                                 // Cmd_Set
    Command cancelButton;                               // Cmd_Can
};

} // namespace kestro

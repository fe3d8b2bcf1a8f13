#include "host/settings/settings_dialog_controls_win32.h"

#include "common/shared_names.h"
#include "host/forms/twips.h"
#include "host/settings/dialog_geometry_win32.h"

namespace kestro {

namespace {
constexpr COLORREF DESIGNER_BACKGROUND = RGB(128, 128, 128); // covered by the painting
constexpr COLORREF PANEL_DESIGNER_BACKGROUND = RGB(224, 224, 224);
constexpr COLORREF LABEL_TEXT = RGB(0, 0, 0);
constexpr COLORREF LIGHT_LABEL_TEXT = RGB(255, 255, 255);
constexpr DWORD DIALOG_STYLE = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr int TRACK_LIST_HEIGHT = 200; // pixels of the dropped list below the box
} // namespace

FormPlacement SettingsDialogPlacement() {
    FormPlacement placement;
    placement.title = SETTINGS_WINDOW_TITLE;
    placement.style = DIALOG_STYLE;
    placement.clientWidth = pixelsFromTwips(DIALOG_CLIENT_WIDTH_TWIPS, screenTwipsPerPixelX());
    placement.clientHeight = pixelsFromTwips(DIALOG_CLIENT_HEIGHT_TWIPS, screenTwipsPerPixelY());
    placement.background = DESIGNER_BACKGROUND;
    return placement;
}

FormPlacement SettingsPanelPlacement(HWND dialog) {
    const RECT area = pixelRect(PANEL);
    FormPlacement placement;
    placement.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    placement.x = area.left;
    placement.y = area.top;
    placement.clientWidth = area.right - area.left;
    placement.clientHeight = area.bottom - area.top;
    placement.parent = dialog;
    placement.background = PANEL_DESIGNER_BACKGROUND;
    return placement;
}

void SettingsDialogControls::createOnDialog(HWND dialog, const SettingsDialogTextSet& texts,
                                            const SettingsDialogResources& resources) {
    creditLabel.place(pixelRect(CREDIT_LABEL));
    creditLabel.setText(texts.credit);
    creditLabel.setFont(resources.labelFont);
    creditLabel.setColour(LIGHT_LABEL_TEXT);
    linkLabel.place(pixelRect(LINK_LABEL));
    linkLabel.setText(texts.webAddress);
    linkLabel.setFont(resources.linkFont);
    linkLabel.setColour(LIGHT_LABEL_TEXT);
    linkLabel.setCursor(resources.linkCursor);
    dialogLayer.add(creditLabel);
    dialogLayer.add(linkLabel);

    const FontDescription& font = resources.buttonFont;
    saveButton.create(dialog, commandRect(SAVE_BUTTON),
                      {{"Caption", texts.saveButton}, {"Font", font}}, font);
    cancelButton.create(dialog, commandRect(CANCEL_BUTTON),
                        {{"Caption", texts.cancelButton}, {"Font", font}}, font);
}

void SettingsDialogControls::createOnPanel(HWND panel, const SettingsDialogTextSet& texts,
                                           const SettingsDialogResources& resources) {
    headingFrame.place(pixelRect(HEADING_FRAME));
    headingLabel.place(pixelRect(HEADING_LABEL));
    headingLabel.setText(texts.heading);
    headingLabel.setAlignment(LabelAlignment::Centre);
    repeatLabel.place(pixelRect(REPEAT_LABEL));
    repeatLabel.setText(texts.repeatLabel);
    fileLabel.place(pixelRect(FILE_LABEL));
    fileLabel.setBorder(true);
    panelLayer.add(headingFrame);
    panelLayer.add(headingLabel);
    panelLayer.add(repeatLabel);
    panelLayer.add(fileLabel);
    for (int kind = 0; kind < MUSIC_KIND_COUNT; ++kind) {
        marks[kind].place(pixelRect(KIND_MARKS[kind]));
        kindLabels[kind].place(pixelRect(KIND_LABELS[kind]));
        kindLabels[kind].setText(texts.kindLabels[kind]);
        panelLayer.add(marks[kind]);
        panelLayer.add(kindLabels[kind]);
    }
    for (FormLabel* label : {&headingLabel, &repeatLabel, &fileLabel, &kindLabels[0],
                             &kindLabels[1], &kindLabels[2]}) {
        label->setFont(resources.labelFont);
        label->setColour(LABEL_TEXT);
    }

    trackBox.create(panel, pixelRect(TRACK_BOX), TRACK_LIST_HEIGHT, resources.labelFont);
    const FontDescription& font = resources.buttonFont;
    fileButton.create(panel, commandRect(FILE_BUTTON),
                      {{"Caption", texts.fileButton}, {"Font", font}}, font);
}

} // namespace kestro

#include "host/settings/settings_dialog_win32.h"

#include <windows.h>
// After windows.h, which they need.
#include <shellapi.h>
#include <windowsx.h>

#include <optional>

#include "common/shared_names.h"
#include "host/forms/form_window_win32.h"
#include "host/platform/ansi_text.h"
#include "host/platform/wide_text_win32.h"
#include "host/settings/band_painter_win32.h"
#include "host/settings/dialog_geometry_win32.h"
#include "host/settings/music_choice.h"
#include "host/settings/music_file_choice.h"
#include "host/settings/music_file_chooser_win32.h"
#include "host/settings/settings_dialog_controls_win32.h"
#include "host/settings/settings_dialog_resources_win32.h"
#include "host/settings/settings_save.h"
#include "host/settings/track_box_text.h"
#include "host/settings/window_zoom_win32.h"

namespace kestro {

namespace {

bool mouseButtonDown(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_XBUTTONDOWN || message == WM_LBUTTONDBLCLK ||
           message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
}

POINT messagePoint(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

// The screen mouse pointer: while it is the hourglass it shows over every
// window of the dialog; by default each control shows its own pointer.
enum class ScreenPointer { Default, Hourglass };

class SettingsDialog;

// Pic_C(0): the panel that holds the music controls.
class SettingsPanel : public FormWindow {
  public:
    explicit SettingsPanel(SettingsDialog& dialog) : dialog_(dialog) {}

  protected:
    void onPaint(HDC dc) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    SettingsDialog& dialog_;
};

// Kestrovalinde_P.
class SettingsDialog : public FormWindow {
  public:
    SettingsDialog(SettingsPort& system, const MusicSettings& settings, std::string settingsFile)
        : system_(system), settings_(settings), settingsFile_(std::move(settingsFile)) {}

    void paintPanel(HDC dc) {
        paintBandedWindow(panel_.hwnd(), dc, &PanelBandColour, controls_.panelLayer);
    }
    void panelMouseDown(POINT point);
    bool setScreenPointerCursor();

  protected:
    void onLoad() override;
    void onClose() override { ZoomWindowClose(hwnd(), zoomOrigin_); }
    void onPaint(HDC dc) override {
        paintBandedWindow(hwnd(), dc, &WindowBandColour, controls_.dialogLayer);
    }
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void createControls();
    void setCommandButtons(bool initialise, bool enable);
    void showMusicChoice(const MusicChoiceLook& look);
    void selectMusicKind(int16_t kind);
    void chooseMusicFile();
    void saveAndClose();
    void openWebAddress();
    void showMessage(const std::string& utf8Text);
    void setScreenPointer(ScreenPointer pointer);

    SettingsPort& system_;
    MusicSettings settings_;
    const std::string settingsFile_;
    const SettingsDialogTextSet& texts_ = SettingsDialogTexts();
    const SettingsDialogResources resources_{texts_};
    ZoomOrigin zoomOrigin_;
    ScreenPointer screenPointer_ = ScreenPointer::Default;

    SettingsPanel panel_{*this};
    SettingsDialogControls controls_;
    // The dialog's own names for the controls it works with.
    FormLinkLabel& linkLabel_ = controls_.linkLabel;
    FormLabel& fileLabel_ = controls_.fileLabel;
    FormComboBox& trackBox_ = controls_.trackBox;
    Command& fileButton_ = controls_.fileButton;
};

void SettingsPanel::onPaint(HDC dc) {
    dialog_.paintPanel(dc);
}

bool SettingsPanel::onMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message == WM_ERASEBKGND) {
        result = 1; // the paint covers everything
        return true;
    }
    if (mouseButtonDown(message)) {
        dialog_.panelMouseDown(messagePoint(lParam));
        result = 0;
        return true;
    }
    if (message == WM_SETCURSOR && dialog_.setScreenPointerCursor()) {
        result = TRUE;
        return true;
    }
    return false;
}

void SettingsDialog::onLoad() {
    createControls();

    // Load, in order; each step is skipped when it fails.
    placeDialogOnScreen(hwnd());
    setCommandButtons(true, true);
    trackBox_.setEnabled(false);
    showMusicChoice(MusicChoiceLookFor(settings_.BgmKind));
    trackBox_.setText(TrackBoxText(settings_.BgmRepeatTrack));
    trackBox_.addItems(TrackBoxEntries());
    fileLabel_.setText(utf8FromAnsi(settings_.BgmFile));
    zoomOrigin_ = ZoomOriginAtPointer();
    ZoomWindowOpen(hwnd(), zoomOrigin_);
    setScreenPointer(ScreenPointer::Default);
}

void SettingsDialog::createControls() {
    if (resources_.icon) {
        SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(resources_.icon));
        SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(resources_.icon));
    }
    if (panel_.create(SettingsPanelPlacement(hwnd()))) {
        controls_.createOnPanel(panel_.hwnd(), texts_, resources_);
        ShowWindow(panel_.hwnd(), SW_SHOWNA);
    }
    controls_.createOnDialog(hwnd(), texts_, resources_);
    controls_.linkLabel.Click = [this] { openWebAddress(); };
    controls_.fileButton.Click = [this] { chooseMusicFile(); };
    controls_.saveButton.Click = [this] { saveAndClose(); };
    controls_.cancelButton.Click = [this] { close(); };
}

// SetCommandButtons: every Command of the form is initialised, or has its
// Enabled set.
void SettingsDialog::setCommandButtons(bool initialise, bool enable) {
    for (Command* button :
         {&controls_.fileButton, &controls_.saveButton, &controls_.cancelButton}) {
        if (initialise) {
            button->Initialize();
        } else {
            button->setEnabled(enable ? BOOL16_TRUE : BOOL16_FALSE);
        }
    }
}

void SettingsDialog::showMusicChoice(const MusicChoiceLook& look) {
    for (int kind = 0; kind < MUSIC_KIND_COUNT; ++kind) {
        controls_.marks[kind].setPicture(look.markSelected[kind] ? resources_.markSelected
                                                                 : resources_.markUnselected);
    }
    trackBox_.setEnabled(look.trackBoxEnabled);
    fileButton_.setEnabled(look.fileButtonEnabled ? BOOL16_TRUE : BOOL16_FALSE);
    if (panel_.hwnd())
        InvalidateRect(panel_.hwnd(), nullptr, FALSE);
}

void SettingsDialog::panelMouseDown(POINT point) {
    for (int kind = 0; kind < MUSIC_KIND_COUNT; ++kind) {
        if (controls_.marks[kind].contains(point) || controls_.kindLabels[kind].contains(point)) {
            selectMusicKind(static_cast<int16_t>(kind));
            return;
        }
    }
}

void SettingsDialog::selectMusicKind(int16_t kind) {
    // The controls are disabled first and the kind's own enabled after, as
    // the marks are all cleared before the chosen one is set.
    fileButton_.setEnabled(BOOL16_FALSE);
    trackBox_.setEnabled(false);
    showMusicChoice(SelectMusicKind(settings_, kind));
}

void SettingsDialog::chooseMusicFile() {
    const MusicFileChooserResult chosen = ChooseMusicFile(hwnd(), settings_.BgmFolder);
    switch (chosen.outcome) {
    case MusicFileChooserResult::Outcome::Cancelled:
        return;
    case MusicFileChooserResult::Outcome::NameNotStorable:
        // Stored as question marks it would name no file: the previous
        // choice stays.
        showMessage(UnstorableMusicFileMessage(chosen.shownPath));
        return;
    case MusicFileChooserResult::Outcome::Chosen:
        break;
    }
    ApplyChosenMusicFile(settings_, chosen.storedPath);
    fileLabel_.setText(utf8FromAnsi(settings_.BgmFile));
    if (panel_.hwnd())
        InvalidateRect(panel_.hwnd(), nullptr, FALSE);
}

void SettingsDialog::saveAndClose() {
    switch (SaveMusicSettings(system_, settingsFile_, settings_, trackBox_.text())) {
    case SaveOutcome::Saved:
        close();
        return;
    case SaveOutcome::TrackOutOfRange:
        // No track can have that number: the user corrects it or cancels.
        MessageBeep(MB_OK);
        trackBox_.focusText();
        return;
    case SaveOutcome::WriteFailed:
        // The file keeps its old values; the dialog keeps the user's choice,
        // to be saved again or cancelled.
        showMessage(SaveFailedMessage(settingsFile_));
        return;
    }
}

void SettingsDialog::showMessage(const std::string& utf8Text) {
    MessageBoxW(hwnd(), wideText(utf8Text).c_str(), wideText(SETTINGS_WINDOW_TITLE).c_str(), MB_OK);
}

void SettingsDialog::openWebAddress() {
    setScreenPointer(ScreenPointer::Hourglass);
    ShellExecuteW(hwnd(), L"open", wideText(linkLabel_.text()).c_str(), nullptr, nullptr,
                  SW_SHOWNORMAL);
    setScreenPointer(ScreenPointer::Default);
}

void SettingsDialog::setScreenPointer(ScreenPointer pointer) {
    screenPointer_ = pointer;
    if (pointer == ScreenPointer::Hourglass) {
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
        return;
    }
    // Let the window of the dialog under the pointer choose its own again.
    POINT cursor{};
    if (!GetCursorPos(&cursor))
        return;
    HWND under = WindowFromPoint(cursor);
    if (under && (under == hwnd() || IsChild(hwnd(), under))) {
        SendMessageA(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
}

bool SettingsDialog::setScreenPointerCursor() {
    if (screenPointer_ != ScreenPointer::Hourglass)
        return false;
    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    return true;
}

bool SettingsDialog::onMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_ERASEBKGND:
        result = 1; // the paint covers everything
        return true;
    case WM_SETCURSOR:
        if (setScreenPointerCursor()) {
            result = TRUE;
            return true;
        }
        return linkLabel_.handleSetCursor(hwnd(), lParam, result);
    case WM_LBUTTONDOWN:
        linkLabel_.handleButtonDown(hwnd(), messagePoint(lParam));
        result = 0;
        return true;
    case WM_LBUTTONUP:
        linkLabel_.handleButtonUp(hwnd(), messagePoint(lParam));
        result = 0;
        return true;
    default:
        return false;
    }
}

} // namespace

void ShowSettingsDialog(SettingsPort& system, const MusicSettings& settings,
                        const std::string& settingsFile) {
    SettingsDialog dialog(system, settings, settingsFile);
    if (!dialog.create(SettingsDialogPlacement()))
        return;
    ShowWindow(dialog.hwnd(), SW_SHOW);
    UpdateWindow(dialog.hwnd());
    // Start-up ends the process once the dialog is gone.
    runModalLoop(dialog.hwnd());
}

} // namespace kestro

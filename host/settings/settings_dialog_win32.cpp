#include "host/settings/settings_dialog.h"

#include <windows.h>
// After windows.h, which they need.
#include <shellapi.h>
#include <windowsx.h>

#include <array>
#include <optional>
#include <vector>

#include "host/controls/command.h"
#include "host/forms/form_combo_box.h"
#include "host/forms/form_font.h"
#include "host/forms/form_image.h"
#include "host/forms/form_label.h"
#include "host/forms/form_shape.h"
#include "host/forms/form_window.h"
#include "host/forms/offscreen_paint.h"
#include "host/forms/twips.h"
#include "host/music/music_settings.h"
#include "host/settings/band_painter.h"
#include "host/settings/dialog_placement.h"
#include "host/settings/music_choice.h"
#include "host/settings/music_file_choice.h"
#include "host/settings/music_file_chooser.h"
#include "host/settings/settings_dialog_layout.h"
#include "host/settings/settings_dialog_texts.h"
#include "host/settings/settings_save.h"
#include "host/settings/track_box_text.h"
#include "host/startup/host_startup.h"
#include "host/startup/last_api_result.h"
#include "host/startup/settings_file.h"
#include "host/startup/startup_system_win32.h"
#include "host/startup/window_zoom.h"

namespace kestro {

namespace {

// Resource names (resources/settings_dialog.rc).
constexpr char ICON_RESOURCE[] = "SETTINGS_ICON";
constexpr char LINK_CURSOR_RESOURCE[] = "SETTINGS_LINK_CURSOR";
constexpr char MARK_UNSELECTED_RESOURCE[] = "SETTINGS_MARK_OFF"; // Img_Ra(0)
constexpr char MARK_SELECTED_RESOURCE[] = "SETTINGS_MARK_ON";    // Img_Ra(1)

constexpr COLORREF DESIGNER_BACKGROUND = RGB(128, 128, 128); // covered by the painting
constexpr COLORREF PANEL_DESIGNER_BACKGROUND = RGB(224, 224, 224);
constexpr COLORREF LABEL_TEXT = RGB(0, 0, 0);
constexpr COLORREF LIGHT_LABEL_TEXT = RGB(255, 255, 255);
constexpr DWORD DIALOG_STYLE = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr int TRACK_LIST_HEIGHT = 200; // pixels of the dropped list below the box

RECT pixelRect(const DesignRect& twips) {
    const int perPixelX = screenTwipsPerPixelX();
    const int perPixelY = screenTwipsPerPixelY();
    const int left = pixelsFromTwips(twips.left, perPixelX);
    const int top = pixelsFromTwips(twips.top, perPixelY);
    return RECT{left, top, left + pixelsFromTwips(twips.width, perPixelX),
                top + pixelsFromTwips(twips.height, perPixelY)};
}

TwipsRect commandRect(const DesignRect& twips) {
    return TwipsRect{twips.left, twips.top, twips.width, twips.height};
}

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
    SettingsDialog();
    ~SettingsDialog() override;

    void paintPanel(HDC dc);
    void panelMouseDown(POINT point);
    bool setScreenPointerCursor();

  protected:
    void onLoad() override;
    void onClose() override;
    void onPaint(HDC dc) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void createControls();
    void createPanelControls();
    void placeWindow();
    void setCommandButtons(bool initialise, bool enable);
    void showMusicChoice(const MusicChoiceLook& look);
    void recordZoomOrigin();
    void selectMusicKind(int16_t kind);
    void chooseMusicFile();
    void saveAndClose();
    void openWebAddress();
    void setScreenPointer(ScreenPointer pointer);

    const SettingsDialogTextSet& texts_ = SettingsDialogTexts();
    HFONT labelFont_ = nullptr;
    HFONT linkFont_ = nullptr;
    HBITMAP markUnselected_ = nullptr;
    HBITMAP markSelected_ = nullptr;
    HICON icon_ = nullptr;
    HCURSOR linkCursor_ = nullptr;
    FontDescription buttonFont_;
    ScreenPointer screenPointer_ = ScreenPointer::Default;
    bool linkPressed_ = false;

    SettingsPanel panel_{*this};
    WindowlessLayer windowControls_;
    WindowlessLayer panelControls_;
    FormLabel creditLabel_;                              // lbl(7)
    FormLabel linkLabel_;                                // lbl_URL
    FormShape headingFrame_;                             // Shape3(3)
    FormLabel headingLabel_;                             // lbl(15)
    std::array<FormImage, MUSIC_KIND_COUNT> marks_;      // Img_BGM(kind)
    std::array<FormLabel, MUSIC_KIND_COUNT> kindLabels_; // lbl_BGM(kind)
    FormLabel repeatLabel_;                              // lbl(14)
    FormLabel fileLabel_;                                // lbl_Fname(0)
    FormComboBox trackBox_;                              // BGM_Repeat
    Command fileButton_;                                 // Cmd_File(0)
    Command saveButton_;                                 // Cmd_Set
    Command cancelButton_;                               // Cmd_Can
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

SettingsDialog::SettingsDialog() {
    labelFont_ = createFormFont({texts_.fontName, DIALOG_FONT_POINTS, SHIFTJIS_CHARSET_CODE});
    FormFontSpec linkSpec{texts_.fontName, DIALOG_FONT_POINTS, SHIFTJIS_CHARSET_CODE};
    linkSpec.underline = true;
    linkFont_ = createFormFont(linkSpec);
    markUnselected_ = loadBitmapResource(MARK_UNSELECTED_RESOURCE);
    markSelected_ = loadBitmapResource(MARK_SELECTED_RESOURCE);
    icon_ = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), ICON_RESOURCE, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    linkCursor_ = static_cast<HCURSOR>(
        LoadImageA(GetModuleHandleA(nullptr), LINK_CURSOR_RESOURCE, IMAGE_CURSOR, 0, 0, 0));

    buttonFont_.faceName = texts_.fontName;
    buttonFont_.pointSize = DIALOG_FONT_POINTS;
    buttonFont_.charset = FONT_CHARSET_SHIFTJIS;
}

SettingsDialog::~SettingsDialog() {
    for (HGDIOBJ object :
         {static_cast<HGDIOBJ>(labelFont_), static_cast<HGDIOBJ>(linkFont_),
          static_cast<HGDIOBJ>(markUnselected_), static_cast<HGDIOBJ>(markSelected_)}) {
        if (object)
            DeleteObject(object);
    }
    if (icon_)
        DestroyIcon(icon_);
    if (linkCursor_)
        DestroyCursor(linkCursor_);
}

void SettingsDialog::onLoad() {
    createControls();

    // Load, in order; each step is skipped when it fails.
    placeWindow();
    setCommandButtons(true, true);
    trackBox_.setEnabled(false);
    showMusicChoice(MusicChoiceLookFor(BgmKind));
    trackBox_.setText(TrackBoxText(BgmRepeatTrack));
    trackBox_.addItems(TrackBoxEntries());
    fileLabel_.setText(BgmFile);
    recordZoomOrigin();
    ZoomWindowOpen(hwnd());
    setScreenPointer(ScreenPointer::Default);
}

void SettingsDialog::createControls() {
    if (icon_) {
        SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
        SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    }

    creditLabel_.place(pixelRect(CREDIT_LABEL));
    creditLabel_.setText(texts_.credit);
    creditLabel_.setFont(labelFont_);
    creditLabel_.setColour(LIGHT_LABEL_TEXT);
    linkLabel_.place(pixelRect(LINK_LABEL));
    linkLabel_.setText(texts_.webAddress);
    linkLabel_.setFont(linkFont_);
    linkLabel_.setColour(LIGHT_LABEL_TEXT);
    windowControls_.add(creditLabel_);
    windowControls_.add(linkLabel_);

    const RECT panelRect = pixelRect(PANEL);
    FormPlacement panelPlacement;
    panelPlacement.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    panelPlacement.x = panelRect.left;
    panelPlacement.y = panelRect.top;
    panelPlacement.clientWidth = panelRect.right - panelRect.left;
    panelPlacement.clientHeight = panelRect.bottom - panelRect.top;
    panelPlacement.parent = hwnd();
    panelPlacement.background = PANEL_DESIGNER_BACKGROUND;
    if (panel_.create(panelPlacement)) {
        createPanelControls();
        ShowWindow(panel_.hwnd(), SW_SHOWNA);
    }

    saveButton_.create(hwnd(), commandRect(SAVE_BUTTON),
                       {{"Caption", texts_.saveButton}, {"Font", buttonFont_}}, buttonFont_);
    cancelButton_.create(hwnd(), commandRect(CANCEL_BUTTON),
                         {{"Caption", texts_.cancelButton}, {"Font", buttonFont_}}, buttonFont_);
    saveButton_.Click = [this] { saveAndClose(); };
    cancelButton_.Click = [this] { close(); };
}

void SettingsDialog::createPanelControls() {
    headingFrame_.place(pixelRect(HEADING_FRAME));
    headingLabel_.place(pixelRect(HEADING_LABEL));
    headingLabel_.setText(texts_.heading);
    headingLabel_.setAlignment(LabelAlignment::Centre);
    repeatLabel_.place(pixelRect(REPEAT_LABEL));
    repeatLabel_.setText(texts_.repeatLabel);
    fileLabel_.place(pixelRect(FILE_LABEL));
    fileLabel_.setBorder(true);
    panelControls_.add(headingFrame_);
    panelControls_.add(headingLabel_);
    panelControls_.add(repeatLabel_);
    panelControls_.add(fileLabel_);
    for (int kind = 0; kind < MUSIC_KIND_COUNT; ++kind) {
        marks_[kind].place(pixelRect(KIND_MARKS[kind]));
        kindLabels_[kind].place(pixelRect(KIND_LABELS[kind]));
        kindLabels_[kind].setText(texts_.kindLabels[kind]);
        panelControls_.add(marks_[kind]);
        panelControls_.add(kindLabels_[kind]);
    }
    for (FormLabel* label : {&headingLabel_, &repeatLabel_, &fileLabel_, &kindLabels_[0],
                             &kindLabels_[1], &kindLabels_[2]}) {
        label->setFont(labelFont_);
        label->setColour(LABEL_TEXT);
    }

    trackBox_.create(panel_.hwnd(), pixelRect(TRACK_BOX), TRACK_LIST_HEIGHT, labelFont_);
    fileButton_.create(panel_.hwnd(), commandRect(FILE_BUTTON),
                       {{"Caption", texts_.fileButton}, {"Font", buttonFont_}}, buttonFont_);
    fileButton_.Click = [this] { chooseMusicFile(); };
}

void SettingsDialog::placeWindow() {
    RECT outer{};
    if (!GetWindowRect(hwnd(), &outer))
        return;
    const int perPixelX = screenTwipsPerPixelX();
    const int perPixelY = screenTwipsPerPixelY();
    const DialogOrigin origin = DialogPlacement(
        GetSystemMetrics(SM_CXSCREEN) * perPixelX, GetSystemMetrics(SM_CYSCREEN) * perPixelY,
        (outer.right - outer.left) * perPixelX, (outer.bottom - outer.top) * perPixelY);
    SetWindowPos(hwnd(), nullptr, pixelsFromTwips(origin.left, perPixelX),
                 pixelsFromTwips(origin.top, perPixelY), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// SetCommandButtons: every Command of the form is initialised, or has its
// Enabled set.
void SettingsDialog::setCommandButtons(bool initialise, bool enable) {
    for (Command* button : {&fileButton_, &saveButton_, &cancelButton_}) {
        if (initialise) {
            button->Initialize();
        } else {
            button->setEnabled(enable ? COMMAND_TRUE : COMMAND_FALSE);
        }
    }
}

void SettingsDialog::showMusicChoice(const MusicChoiceLook& look) {
    for (int kind = 0; kind < MUSIC_KIND_COUNT; ++kind) {
        marks_[kind].setPicture(look.markSelected[kind] ? markSelected_ : markUnselected_);
    }
    trackBox_.setEnabled(look.trackBoxEnabled);
    fileButton_.setEnabled(look.fileButtonEnabled ? COMMAND_TRUE : COMMAND_FALSE);
    if (panel_.hwnd())
        InvalidateRect(panel_.hwnd(), nullptr, FALSE);
}

void SettingsDialog::recordZoomOrigin() {
    POINT cursor{};
    LastApiResult = GetCursorPos(&cursor);
    if (LastApiResult) {
        ZoomOriginX = static_cast<int16_t>(cursor.x);
        ZoomOriginY = static_cast<int16_t>(cursor.y);
    } else {
        ZoomOriginX = 0;
        ZoomOriginY = 0;
    }
}

void SettingsDialog::onClose() {
    ZoomWindowClose(hwnd());
}

void SettingsDialog::onPaint(HDC dc) {
    paintOffscreen(hwnd(), dc, [this](HDC image) {
        RECT client{};
        GetClientRect(hwnd(), &client);
        paintBand(image, client.right, client.bottom, &WindowBandColour);
        windowControls_.paint(image);
    });
}

void SettingsDialog::paintPanel(HDC dc) {
    paintOffscreen(panel_.hwnd(), dc, [this](HDC image) {
        RECT client{};
        GetClientRect(panel_.hwnd(), &client);
        paintBand(image, client.right, client.bottom, &PanelBandColour);
        panelControls_.paint(image);
    });
}

void SettingsDialog::panelMouseDown(POINT point) {
    for (int kind = 0; kind < MUSIC_KIND_COUNT; ++kind) {
        if (marks_[kind].contains(point) || kindLabels_[kind].contains(point)) {
            selectMusicKind(static_cast<int16_t>(kind));
            return;
        }
    }
}

void SettingsDialog::selectMusicKind(int16_t kind) {
    // The controls are disabled first and the kind's own enabled after, as
    // the marks are all cleared before the chosen one is set.
    fileButton_.setEnabled(COMMAND_FALSE);
    trackBox_.setEnabled(false);
    showMusicChoice(SelectMusicKind(kind));
}

void SettingsDialog::chooseMusicFile() {
    const std::optional<std::string> chosen = ChooseMusicFile(hwnd());
    if (!chosen)
        return;
    ApplyChosenMusicFile(*chosen);
    fileLabel_.setText(BgmFile);
    if (panel_.hwnd())
        InvalidateRect(panel_.hwnd(), nullptr, FALSE);
}

void SettingsDialog::saveAndClose() {
    const std::string settingsFile = SettingsFilePath(HostFolder());
    if (SaveMusicSettings(SystemProfile(), settingsFile, trackBox_.text()) ==
        SaveOutcome::TrackOutOfRange) {
        // No track can have that number: the user corrects it or cancels.
        MessageBeep(MB_OK);
        trackBox_.focusText();
        return;
    }
    close();
}

void SettingsDialog::openWebAddress() {
    setScreenPointer(ScreenPointer::Hourglass);
    ShellExecuteA(hwnd(), "open", linkLabel_.text().c_str(), nullptr, nullptr, SW_SHOWNORMAL);
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
    case WM_SETCURSOR: {
        if (setScreenPointerCursor()) {
            result = TRUE;
            return true;
        }
        POINT cursor{};
        if (LOWORD(lParam) == HTCLIENT && linkCursor_ && GetCursorPos(&cursor) &&
            ScreenToClient(hwnd(), &cursor) && linkLabel_.contains(cursor)) {
            SetCursor(linkCursor_);
            result = TRUE;
            return true;
        }
        return false;
    }
    case WM_LBUTTONDOWN:
        linkPressed_ = linkLabel_.contains(messagePoint(lParam));
        if (linkPressed_)
            SetCapture(hwnd());
        result = 0;
        return true;
    case WM_LBUTTONUP: {
        const bool clicked = linkPressed_ && linkLabel_.contains(messagePoint(lParam));
        linkPressed_ = false;
        if (GetCapture() == hwnd())
            ReleaseCapture();
        if (clicked)
            openWebAddress();
        result = 0;
        return true;
    }
    default:
        return false;
    }
}

} // namespace

void ShowSettingsDialog() {
    SettingsDialog dialog;
    FormPlacement placement;
    placement.title = SETTINGS_WINDOW_TITLE;
    placement.style = DIALOG_STYLE;
    placement.clientWidth = pixelsFromTwips(DIALOG_CLIENT_WIDTH_TWIPS, screenTwipsPerPixelX());
    placement.clientHeight = pixelsFromTwips(DIALOG_CLIENT_HEIGHT_TWIPS, screenTwipsPerPixelY());
    placement.background = DESIGNER_BACKGROUND;
    if (!dialog.create(placement))
        return;
    ShowWindow(dialog.hwnd(), SW_SHOW);
    UpdateWindow(dialog.hwnd());

    // Modal: this loop runs until the dialog is gone; start-up then ends the
    // process.
    MSG message;
    while (IsWindow(dialog.hwnd())) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

} // namespace kestro

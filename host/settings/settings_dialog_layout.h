#pragma once
// The dialog's designer geometry, in twips (15 per pixel at 96 dpi).
// Positions are relative to the control's container: the window's client
// area, or the panel Pic_C(0).

namespace kestro {

struct DesignRect {
    int left;
    int top;
    int width;
    int height;
};

constexpr int DIALOG_CLIENT_WIDTH_TWIPS = 7440;  // 496 pixels
constexpr int DIALOG_CLIENT_HEIGHT_TWIPS = 3645; // 243 pixels
constexpr double DIALOG_FONT_POINTS = 9.75;
constexpr int SHIFTJIS_CHARSET_CODE = 128;

// On the window.
constexpr DesignRect CREDIT_LABEL{180, 2880, 2475, 195};   // lbl(7)
constexpr DesignRect PANEL{180, 240, 7035, 2475};          // Pic_C(0)
constexpr DesignRect SAVE_BUTTON{4860, 3000, 1155, 375};   // Cmd_Set
constexpr DesignRect CANCEL_BUTTON{6060, 3000, 1155, 375}; // Cmd_Can
constexpr DesignRect LINK_LABEL{180, 3120, 3105, 195};     // lbl_URL

// On the panel.
constexpr DesignRect HEADING_FRAME{300, 300, 1695, 315}; // Shape3(3)
constexpr DesignRect HEADING_LABEL{300, 360, 1665, 195}; // lbl(15)
constexpr DesignRect TRACK_BOX{1680, 780, 615, 300};     // BGM_Repeat
constexpr DesignRect REPEAT_LABEL{2340, 840, 990, 195};  // lbl(14)
constexpr DesignRect FILE_BUTTON{420, 1740, 615, 315};   // Cmd_File(0)
constexpr DesignRect FILE_LABEL{1080, 1740, 5595, 495};  // lbl_Fname(0)

// Img_BGM(kind) and lbl_BGM(kind), indexed by music kind: the audio-CD row
// is the top one, then none, then music file.
constexpr DesignRect KIND_MARKS[3] = {
    {420, 1140, 195, 195}, {420, 840, 195, 195}, {420, 1440, 195, 195}};
constexpr DesignRect KIND_LABELS[3] = {
    {660, 1140, 330, 195}, {660, 840, 645, 195}, {660, 1440, 900, 195}};

} // namespace kestro

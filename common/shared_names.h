#pragma once
// Names the host, the renderer and their tests must agree on. The host finds
// the renderer's window by its title, the renderer reads the sprite the host
// writes, and the end-to-end scripts read these lines too (as NAME = "value",
// with C's \\ and \xNN escapes), so each is written here once.

namespace kestro {

// The host's hidden saver window and its settings dialog; a second host
// started while either exists ends at once.
constexpr char SAVER_WINDOW_TITLE[] = "Kestrovalinde_Main";
constexpr char SETTINGS_WINDOW_TITLE[] = "<Kestrovalinde>";

// The renderer's one window: its class and title.
constexpr char RENDERER_CLASS_NAME[] = "OpenGL";
constexpr char RENDERER_WINDOW_TITLE[] = "Kestrovalinde_VC";
// The renderer's black windows over the monitors it does not draw on.
constexpr char COVER_CLASS_NAME[] = "Kestrovalinde_Cover";
constexpr char COVER_WINDOW_TITLE[] = "Kestrovalinde_Cover";

// The caption of the host's message boxes.
constexpr char HOST_TITLE[] = "Kestrovalinde (ScreenSaver)";

// The renderer program, found beside the host.
constexpr char RENDERER_FILE_NAME[] = "Kestrovalinde.dll";

// The work folder the host makes at start-up, and the particle sprite it
// writes there for the renderer to read.
constexpr char WORK_FOLDER[] = "C:\\v_nalo";
constexpr char SPRITE_FILE_PATH[] = "C:\\v_nalo\\Kestrovalinde.bmp";

// The settings file beside the host, its one section and its three keys.
// The keys are Japanese and the host writes them in the system's code page;
// these are their bytes in code page 932, the page they are made for.
constexpr char SETTINGS_FILE_NAME[] = "Kestrovalinde.ini";
constexpr char SETTINGS_SECTION[] = "Section";
constexpr char SETTINGS_KEY_KIND[] = "BGM\x8b\xe6\x95\xaa";             // BGM区分
constexpr char SETTINGS_KEY_REPEAT_TRACK[] = "BGM\xd8\xcb\xdf\xb0\xc4"; // BGMﾘﾋﾟｰﾄ
constexpr char SETTINGS_KEY_FILE[] = "BGM\xcc\xa7\xb2\xd9";             // BGMﾌｧｲﾙ

} // namespace kestro

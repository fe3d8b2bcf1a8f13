// Writes the settings dialog's pictures into the given resources folder.
#include <cstdio>
#include <exception>
#include <string>

#include "tools/settings_pictures/settings_pictures.h"

using namespace kestro::tools;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    try {
        WriteFile(folder + "/settings_mark_off.bmp", BmpFile(UnselectedMarkPicture()));
        WriteFile(folder + "/settings_mark_on.bmp", BmpFile(SelectedMarkPicture()));
        WriteFile(folder + "/settings_dialog.ico", IconFile(DialogIconPicture()));
        WriteFile(folder + "/settings_link.cur",
                  CursorFile(CURSOR_SIZE, CURSOR_SIZE, HandCursorPixels(), HAND_HOT_X, HAND_HOT_Y));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

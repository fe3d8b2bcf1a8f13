#include <windows.h>

#include "renderer/shell/renderer_shell_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine,
                   int showCommand) {
    return kestro::rendererMain(instance, previousInstance, commandLine, showCommand);
}

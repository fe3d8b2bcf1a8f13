#include <windows.h>

#include "host/forms/form_window.h"
#include "host/startup/startup_system_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR argumentText, int) {
    kestro::RunHostStartup(argumentText ? argumentText : "");
    return kestro::runFormsMessageLoop();
}

// The host's composition root: the real system's ports, handed to start-up
// and to the window of the mode it chooses.
#include <windows.h>

#include "host/app/host_modes_win32.h"
#include "host/forms/form_window_win32.h"
#include "host/music/mci_port_win32.h"
#include "host/platform/file_port_win32.h"
#include "host/screens/saver_port_win32.h"
#include "host/settings/settings_port_win32.h"
#include "host/startup/host_startup.h"
#include "host/startup/profile_port_win32.h"
#include "host/startup/startup_port_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR argumentText, int) {
    using namespace kestro;
    Win32ProfilePort profile;
    Win32FilePort files;
    Win32StartupPort startup(profile, files);
    Win32SaverPort saver;
    Win32MciPort mci;
    Win32SettingsPort settings(profile);
    HostModes modes(saver, mci, settings);

    HostStartup(startup, modes, argumentText ? argumentText : "");
    return runFormsMessageLoop();
}

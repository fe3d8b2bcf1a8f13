#include "host/startup/startup_port_win32.h"

#include <windows.h>

#include "host/platform/path_helpers.h"
#include "host/platform/process_end_win32.h"
#include "host/platform/wide_text_win32.h"

namespace kestro {

bool Win32StartupPort::windowExists(const std::string& title) {
    return FindWindowA(nullptr, title.c_str()) != nullptr;
}

std::string Win32StartupPort::hostFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return HostFolderOfProgram(std::string(path, length));
}

bool Win32StartupPort::createFolder(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

void Win32StartupPort::showMessage(const std::string& text, const std::string& caption) {
    MessageBoxW(nullptr, wideText(text).c_str(), wideText(caption).c_str(), MB_OK);
}

void Win32StartupPort::endProcess() {
    endHostProcess();
}

void Win32StartupPort::hideCursor() {
    ShowCursor(FALSE);
}

} // namespace kestro

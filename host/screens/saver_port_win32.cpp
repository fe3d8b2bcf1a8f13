#include "host/screens/saver_port_win32.h"

#include <windows.h>

#include "host/platform/process_end_win32.h"

namespace kestro {

std::vector<unsigned char> SaverSpriteBytes() {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, SAVER_SPRITE_RESOURCE, RT_RCDATA);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    const auto* bytes = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
    if (!bytes || size == 0)
        return {};
    return std::vector<unsigned char>(bytes, bytes + size);
}

bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes) {
    if (bytes.empty())
        return false;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL wrote =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    const BOOL closed = CloseHandle(file);
    return wrote && closed && written == bytes.size();
}

bool StartProgramUnquoted(const std::string& path, void** processHandle) {
    // The program is named on its own as well: given only the unquoted command
    // line, the system would split a folder name holding blanks and could
    // start C:\Program.exe instead. The new process still sees the unquoted
    // path alone as its command line.
    std::string commandLine = path;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    if (processHandle)
        *processHandle = process.hProcess;
    else
        CloseHandle(process.hProcess);
    return true;
}

Win32SaverPort::~Win32SaverPort() {
    forgetStartedProgram();
}

void Win32SaverPort::forgetStartedProgram() {
    if (startedProcess_)
        CloseHandle(startedProcess_);
    startedProcess_ = nullptr;
}

bool Win32SaverPort::startedProgramRunning() {
    return startedProcess_ && WaitForSingleObject(startedProcess_, 0) == WAIT_TIMEOUT;
}

// Pic1, the picture box of the saver window, holds SaverSprite; saving the
// picture writes its bitmap bytes.
bool Win32SaverPort::saveSprite(const std::string& path) {
    return WriteWholeFile(path, SaverSpriteBytes());
}

bool Win32SaverPort::startProgram(const std::string& path) {
    forgetStartedProgram();
    return StartProgramUnquoted(path, &startedProcess_);
}

bool Win32SaverPort::windowExists(const std::string& title) {
    return FindWindowA(nullptr, title.c_str()) != nullptr;
}

uint32_t Win32SaverPort::tickCount() {
    return GetTickCount();
}

void Win32SaverPort::showCursor() {
    ShowCursor(TRUE);
}

void Win32SaverPort::endProcess() {
    endHostProcess();
}

} // namespace kestro

#include "host/settings/settings_port_win32.h"

#include <windows.h>

namespace kestro {

namespace {

constexpr DWORD NO_ATTRIBUTES = INVALID_FILE_ATTRIBUTES;

bool missing(DWORD attributes) {
    const DWORD error = GetLastError();
    return attributes == NO_ATTRIBUTES &&
           (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND);
}

bool removeIfPresent(const std::string& file) {
    return DeleteFileA(file.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

} // namespace

bool Win32SettingsPort::copyFile(const std::string& file, const std::string& copy) {
    const DWORD attributes = GetFileAttributesA(file.c_str());
    if (missing(attributes))
        return removeIfPresent(copy);
    if (attributes == NO_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    // The copy takes the file's attributes; a read-only copy could not be written.
    return CopyFileA(file.c_str(), copy.c_str(), FALSE) &&
           SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_NORMAL);
}

bool Win32SettingsPort::replaceFile(const std::string& file, const std::string& replacement) {
    // A read-only file must stay as it is, however the file system would
    // treat a rename over it.
    const DWORD attributes = GetFileAttributesA(file.c_str());
    if (attributes != NO_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    return MoveFileExA(replacement.c_str(), file.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void Win32SettingsPort::removeFile(const std::string& file) {
    DeleteFileA(file.c_str());
}

} // namespace kestro

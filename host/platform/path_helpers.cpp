#include "host/platform/path_helpers.h"

#include "host/platform/ansi_text.h"

namespace kestro {

namespace {

// Offset of the last character of an ANSI text, or npos when it is empty.
size_t lastCharacterOffset(const std::string& text) {
    size_t last = std::string::npos;
    forEachAnsiCharacter(text, [&](size_t offset) { last = offset; });
    return last;
}

// True when the last character is the single byte c, not the second byte of
// a two-byte character that happens to look like it.
bool endsWithCharacter(const std::string& text, char c) {
    const size_t last = lastCharacterOffset(text);
    return !text.empty() && last == text.size() - 1 && text[last] == c;
}

bool endsWithSeparator(const std::string& text) {
    return endsWithCharacter(text, '\\');
}

} // namespace

bool FileExists(FilePort& files, std::string path) {
    if (endsWithSeparator(path))
        path.pop_back();
    // No file's name holds a NUL: the system would read such a name only up
    // to it, and so answer for another file.
    if (path.empty() || path.find('\0') != std::string::npos)
        return false;
    return files.opensForReading(path);
}

std::string FolderOfPath(const std::string& path) {
    size_t length = 0;
    forEachAnsiCharacter(path, [&](size_t offset) {
        if (path[offset] == ':' || path[offset] == '\\')
            length = offset + 1;
    });
    std::string folder = path.substr(0, length);
    if (endsWithSeparator(folder))
        folder.pop_back();
    return folder;
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
    return folder + "\\" + name;
}

std::string HostFolderOfProgram(const std::string& programPath) {
    std::string folder = FolderOfPath(programPath);
    if (endsWithCharacter(folder, ':'))
        folder += '\\';
    return folder;
}

} // namespace kestro

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

bool endsWithSeparator(const std::string& text) {
    const size_t last = lastCharacterOffset(text);
    return last != std::string::npos && text[last] == '\\';
}

} // namespace

bool FileExists(FilePort& files, std::string path) {
    if (endsWithSeparator(path))
        path.pop_back();
    if (path.empty())
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
    if (!folder.empty() && folder.back() == ':')
        folder += '\\';
    return folder;
}

} // namespace kestro

#include "host/settings/music_file_chooser_win32.h"

#include <optional>

#include "host/platform/ansi_text.h"
#include "host/platform/wide_text_win32.h"
#include "host/settings/music_file_choice.h"

namespace kestro {

namespace {

// The system code page's form of a path that fits the settings' value,
// or nothing.
std::optional<std::string> storableForm(const std::wstring& path) {
    std::optional<std::string> ansi = exactAnsiText(path);
    if (!ansi || ansi->empty() || ansi->size() >= MUSIC_FILE_BUFFER)
        return std::nullopt;
    return ansi;
}

std::wstring shortForm(const std::wstring& path) {
    const DWORD length = GetShortPathNameW(path.c_str(), nullptr, 0);
    if (length == 0)
        return {};
    std::wstring shortPath(length, L'\0');
    const DWORD written = GetShortPathNameW(path.c_str(), shortPath.data(), length);
    if (written == 0 || written >= length)
        return {};
    shortPath.resize(written);
    return shortPath;
}

} // namespace

MusicFileRequest::MusicFileRequest(HWND owner, const std::string& initialFolder)
    : filter_(wideText(MusicFileFilter())), title_(wideText(MusicFileChooserTitle())),
      initialFolder_(wideText(utf8FromAnsi(initialFolder))), fileBuffer_(MUSIC_FILE_BUFFER, L'\0') {
    record_.lStructSize = FILE_CHOOSER_RECORD_SIZE;
    record_.hwndOwner = owner;
    record_.hInstance = GetModuleHandleW(nullptr);
    record_.lpstrFilter = filter_.c_str();
    record_.lpstrFile = fileBuffer_.data();
    record_.nMaxFile = static_cast<DWORD>(fileBuffer_.size());
    record_.lpstrInitialDir = initialFolder_.c_str();
    record_.lpstrTitle = title_.c_str();
    record_.Flags = 0;
}

std::wstring MusicFileRequest::chosenFile() const {
    const wchar_t* begin = fileBuffer_.data();
    size_t length = 0;
    while (length < fileBuffer_.size() && begin[length] != L'\0')
        ++length;
    return std::wstring(begin, length);
}

std::string StorableMusicFilePath(const std::wstring& path) {
    if (std::optional<std::string> exact = storableForm(path))
        return *exact;
    const std::wstring shortPath = shortForm(path);
    if (shortPath.empty())
        return {};
    return storableForm(shortPath).value_or(std::string());
}

MusicFileChooserResult ChooseMusicFile(HWND owner, const std::string& initialFolder) {
    MusicFileRequest request(owner, initialFolder);
    MusicFileChooserResult result;
    if (!GetOpenFileNameW(&request.record()))
        return result;
    const std::wstring chosen = request.chosenFile();
    result.shownPath = utf8Text(chosen);
    result.storedPath = StorableMusicFilePath(chosen);
    result.outcome = result.storedPath.empty() ? MusicFileChooserResult::Outcome::NameNotStorable
                                               : MusicFileChooserResult::Outcome::Chosen;
    return result;
}

} // namespace kestro

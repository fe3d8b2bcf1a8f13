#include "host/settings/music_file_chooser_win32.h"

#include "host/settings/music_file_choice.h"

namespace kestro {

MusicFileRequest::MusicFileRequest(HWND owner, const std::string& initialFolder)
    : filter_(MusicFileFilter()), title_(MusicFileChooserTitle()), initialFolder_(initialFolder),
      fileBuffer_(MUSIC_FILE_BUFFER, '\0') {
    record_.lStructSize = FILE_CHOOSER_RECORD_SIZE;
    record_.hwndOwner = owner;
    record_.hInstance = GetModuleHandleA(nullptr);
    record_.lpstrFilter = filter_.c_str();
    record_.lpstrFile = fileBuffer_.data();
    record_.nMaxFile = static_cast<DWORD>(fileBuffer_.size());
    record_.lpstrInitialDir = initialFolder_.c_str();
    record_.lpstrTitle = title_.c_str();
    record_.Flags = 0;
}

std::string MusicFileRequest::chosenFile() const {
    return ChosenMusicFile(fileBuffer_.data(), fileBuffer_.size());
}

std::optional<std::string> ChooseMusicFile(HWND owner, const std::string& initialFolder) {
    MusicFileRequest request(owner, initialFolder);
    if (!GetOpenFileNameA(&request.record()))
        return std::nullopt;
    return request.chosenFile();
}

} // namespace kestro

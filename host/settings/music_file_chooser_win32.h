#pragma once
// The system's file-open dialog as the settings dialog asks for a music file.

#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kestro {

// The chooser's record in its original (Windows NT 4) size, which every
// version accepts: the fields up to lpTemplateName.
constexpr DWORD FILE_CHOOSER_RECORD_SIZE =
    offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(OPENFILENAMEA::lpTemplateName);
static_assert(sizeof(void*) != 4 || FILE_CHOOSER_RECORD_SIZE == 76,
              "76 bytes in the 32-bit program");

// The record and the texts and buffer it points to.
class MusicFileRequest {
  public:
    MusicFileRequest(HWND owner, const std::string& initialFolder);
    MusicFileRequest(const MusicFileRequest&) = delete;
    MusicFileRequest& operator=(const MusicFileRequest&) = delete;

    OPENFILENAMEA& record() { return record_; }
    // The path written into the buffer, up to its first NUL.
    std::string chosenFile() const;

  private:
    std::string filter_;
    std::string title_;
    std::string initialFolder_;
    std::vector<char> fileBuffer_;
    OPENFILENAMEA record_{};
};

// Shows the chooser, starting in the given folder. The chosen path, or
// nothing when the user cancelled or the chooser failed.
std::optional<std::string> ChooseMusicFile(HWND owner, const std::string& initialFolder);

} // namespace kestro

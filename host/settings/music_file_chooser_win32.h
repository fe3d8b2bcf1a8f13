#pragma once
// The system's file-open dialog as the settings dialog asks for a music file.

#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <cstddef>
#include <string>
#include <vector>

namespace kestro {

// The chooser's record in its original (Windows NT 4) size, which every
// version accepts: the fields up to lpTemplateName.
constexpr DWORD FILE_CHOOSER_RECORD_SIZE =
    offsetof(OPENFILENAMEW, lpTemplateName) + sizeof(OPENFILENAMEW::lpTemplateName);
static_assert(sizeof(void*) != 4 || FILE_CHOOSER_RECORD_SIZE == 76,
              "76 bytes in the 32-bit program");

// The record and the texts and buffer it points to. The chooser is the wide
// one, so that its texts and every file name read right under any code page.
class MusicFileRequest {
  public:
    MusicFileRequest(HWND owner, const std::string& initialFolder);
    MusicFileRequest(const MusicFileRequest&) = delete;
    MusicFileRequest& operator=(const MusicFileRequest&) = delete;

    OPENFILENAMEW& record() { return record_; }
    // The path written into the buffer, up to its first NUL.
    std::wstring chosenFile() const;

  private:
    std::wstring filter_;
    std::wstring title_;
    std::wstring initialFolder_;
    std::vector<wchar_t> fileBuffer_;
    OPENFILENAMEW record_{};
};

struct MusicFileChooserResult {
    enum class Outcome { Cancelled, Chosen, NameNotStorable };
    Outcome outcome = Outcome::Cancelled;
    std::string storedPath; // Chosen: the path as the settings keep it (system code page)
    std::string shownPath;  // Chosen or NameNotStorable: the path as the user saw it (UTF-8)
};

// The path as the settings can keep it: the system code page's own form of
// the name when it holds every character, else the short (8.3) form when
// the system gives one the code page holds; empty when neither.
std::string StorableMusicFilePath(const std::wstring& path);

// Shows the chooser, starting in the given folder (system code page).
MusicFileChooserResult ChooseMusicFile(HWND owner, const std::string& initialFolder);

} // namespace kestro

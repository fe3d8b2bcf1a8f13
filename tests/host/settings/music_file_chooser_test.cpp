// The file-open record the settings dialog hands to GetOpenFileNameW, and
// the form in which a chosen name is kept (run under code page 932).
#include "host/settings/music_file_chooser_win32.h"

#include <gtest/gtest.h>

#include <cwchar>

#include "host/platform/file_port_win32.h"
#include "host/platform/path_helpers.h"
#include "host/platform/wide_text_win32.h"
#include "tests/support/scratch_folder.h"

namespace kestro {
namespace {

TEST(MusicFileRequest, FillsTheRecordAsTheChooserExpects) {
    HWND owner = reinterpret_cast<HWND>(static_cast<intptr_t>(0x1234));
    // The initial folder comes in the system code page: "C:\音楽".
    MusicFileRequest request(owner, "C:\\\x89\xB9\x8A\x79");
    const OPENFILENAMEW& record = request.record();

    EXPECT_EQ(record.lStructSize, FILE_CHOOSER_RECORD_SIZE);
    if (sizeof(void*) == 4) {
        EXPECT_EQ(record.lStructSize, 76u);
    }
    EXPECT_EQ(record.hwndOwner, owner);
    EXPECT_EQ(record.hInstance, GetModuleHandleW(nullptr));
    const wchar_t filter[] = L"BGMﾌｧｲﾙ (MP3 WAV)\0*.MP3;*.WAV\0";
    EXPECT_EQ(std::wmemcmp(record.lpstrFilter, filter, sizeof filter / sizeof filter[0]), 0);
    EXPECT_STREQ(record.lpstrInitialDir, L"C:\\音楽");
    EXPECT_STREQ(record.lpstrTitle, L"ﾌｧｲﾙを開く");
    EXPECT_EQ(record.nMaxFile, 255u);
    ASSERT_NE(record.lpstrFile, nullptr);
    for (DWORD i = 0; i < record.nMaxFile; ++i)
        ASSERT_EQ(record.lpstrFile[i], L'\0') << i;
    EXPECT_EQ(record.Flags, 0u);
    EXPECT_EQ(record.lpstrCustomFilter, nullptr);
    EXPECT_EQ(record.nFilterIndex, 0u);
    EXPECT_EQ(record.lpstrFileTitle, nullptr);
    EXPECT_EQ(record.lpstrDefExt, nullptr);
    EXPECT_EQ(record.lpfnHook, nullptr);
    EXPECT_EQ(record.lpTemplateName, nullptr);
}

TEST(MusicFileRequest, ChosenFileIsTheBufferUpToItsFirstNul) {
    MusicFileRequest request(nullptr, "C:\\");
    std::wcscpy(request.record().lpstrFile, L"C:\\Music\\曲.mp3");
    EXPECT_EQ(request.chosenFile(), L"C:\\Music\\曲.mp3");
}

class StorableName : public ::testing::Test {
  protected:
    // Makes the file under its wide name; its path, wide.
    std::wstring make(const std::wstring& name) {
        const std::wstring path = wideText(scratch.folder()) + L"\\" + name; // an ASCII folder
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(file, INVALID_HANDLE_VALUE);
        CloseHandle(file);
        return path;
    }
    testing::ScratchFolder scratch;
    Win32FilePort files;
};

TEST_F(StorableName, ANameTheCodePageHoldsIsStoredAsItsBytes) {
    const std::wstring path = make(L"曲.mp3");
    EXPECT_EQ(StorableMusicFilePath(path), scratch.folder() + "\\\x8B\xC8.mp3");
}

TEST_F(StorableName, OtherNamesAreStoredInShortFormOrNotAtAll) {
    // Neither "é" nor "한" is a character of code page 932.
    for (const std::wstring name : {L"café.mp3", L"한국.wav"}) {
        const std::wstring path = make(name);
        const std::string stored = StorableMusicFilePath(path);
        if (stored.empty())
            continue; // no short form the code page holds: the dialog refuses it
        EXPECT_EQ(stored.find('?'), std::string::npos) << stored;
        EXPECT_TRUE(FileExists(files, stored)) << stored << " names the chosen file";
    }
}

} // namespace
} // namespace kestro

// The file-open record the settings dialog hands to GetOpenFileNameA.
#include "host/settings/music_file_chooser_win32.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kestro {
namespace {

TEST(MusicFileRequest, FillsTheRecordAsTheChooserExpects) {
    HWND owner = reinterpret_cast<HWND>(static_cast<intptr_t>(0x1234));
    MusicFileRequest request(owner, "C:\\Music");
    const OPENFILENAMEA& record = request.record();

    EXPECT_EQ(record.lStructSize, FILE_CHOOSER_RECORD_SIZE);
    if (sizeof(void*) == 4) {
        EXPECT_EQ(record.lStructSize, 76u);
    }
    EXPECT_EQ(record.hwndOwner, owner);
    EXPECT_EQ(record.hInstance, GetModuleHandleA(nullptr));
    EXPECT_EQ(std::memcmp(record.lpstrFilter, "BGM\xCC\xA7\xB2\xD9 (MP3 WAV)\0*.MP3;*.WAV\0\0", 31),
              0);
    EXPECT_STREQ(record.lpstrInitialDir, "C:\\Music");
    EXPECT_STREQ(record.lpstrTitle, "\xCC\xA7\xB2\xD9\x82\xF0\x8A\x4A\x82\xAD");
    EXPECT_EQ(record.nMaxFile, 255u);
    ASSERT_NE(record.lpstrFile, nullptr);
    for (DWORD i = 0; i < record.nMaxFile; ++i)
        ASSERT_EQ(record.lpstrFile[i], '\0') << i;
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
    std::strcpy(request.record().lpstrFile, "C:\\Music\\song.mp3");
    EXPECT_EQ(request.chosenFile(), "C:\\Music\\song.mp3");
}

} // namespace
} // namespace kestro

// The ground floor on a real Windows API (run under Wine): the system code
// page the tests expect, and file tests on real files and folders.
#include <windows.h>

#include <gtest/gtest.h>

#include "host/platform/ansi_text.h"
#include "host/platform/file_port_win32.h"
#include "host/platform/path_helpers.h"
#include "tests/support/scratch_folder.h"

namespace kestro {
namespace {

TEST(SystemCodePage, IsJapaneseForTheTests) {
    ASSERT_EQ(GetACP(), 932u) << "run under LC_ALL=ja_JP.UTF-8";
    EXPECT_EQ(ansiText("BGM区分"), "BGM\x8B\xE6\x95\xAA");
    EXPECT_TRUE(isAnsiLeadByte(0x95));
    EXPECT_FALSE(isAnsiLeadByte('B'));
}

TEST(SystemFileExists, FoldersAreNotFiles) {
    testing::ScratchFolder scratch;
    const std::string folder = scratch.folder();
    const std::string file = scratch.write("a.wav", "RIFF");
    Win32FilePort files;
    EXPECT_TRUE(FileExists(files, file));
    EXPECT_FALSE(FileExists(files, folder));
    EXPECT_FALSE(FileExists(files, folder + "\\"));
    EXPECT_FALSE(FileExists(files, PathInFolder(folder, "missing.wav")));
}

} // namespace
} // namespace kestro

#include "host/platform/path_helpers.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/platform/file_port_posix.h"
#include "testing/fake_files.h"
#include "tests/support/scratch_folder.h"

namespace kestro {
namespace {

TEST(FolderOfPath, KeepsEverythingBeforeTheLastSeparator) {
    EXPECT_EQ(FolderOfPath("C:\\Music\\a.mp3"), "C:\\Music");
    EXPECT_EQ(FolderOfPath("C:\\Music\\Live\\b.wav"), "C:\\Music\\Live");
    EXPECT_EQ(FolderOfPath("\\\\server\\share\\c.mp3"), "\\\\server\\share");
}

TEST(FolderOfPath, DriveColonCountsAsSeparator) {
    EXPECT_EQ(FolderOfPath("C:\\a.mp3"), "C:");
    EXPECT_EQ(FolderOfPath("C:a.mp3"), "C:");
    EXPECT_EQ(FolderOfPath("a.mp3"), "");
    EXPECT_EQ(FolderOfPath(""), "");
}

TEST(FolderOfPath, TrailByteOfADoubleByteCharacterIsNoSeparator) {
    // "表" is 95 5C in code page 932: its second byte looks like "\".
    const std::string folder = "C:\\\x95\x5C";
    EXPECT_EQ(FolderOfPath(folder + "\\a.mp3"), folder);
    EXPECT_EQ(FolderOfPath("C:\\x\\\x95\x5C.mp3"), "C:\\x");
}

TEST(HostFolderOfProgram, DriveRootKeepsItsSeparator) {
    EXPECT_EQ(HostFolderOfProgram("C:\\Windows\\System32\\Kestrovalinde.scr"),
              "C:\\Windows\\System32");
    EXPECT_EQ(HostFolderOfProgram("C:\\Kestrovalinde.scr"), "C:\\");
}

TEST(HostFolderOfProgram, TwoByteCharacterEndingInAColonIsNoDrive) {
    // 81 3A: a lead byte takes the ":" after it into its character.
    EXPECT_EQ(HostFolderOfProgram("\x81:\\Kestrovalinde.scr"), "\x81:");
    EXPECT_EQ(HostFolderOfProgram("\x81"
                                  "C:\\Kestrovalinde.scr"),
              "\x81"
              "C:\\");
}

TEST(PathInFolder, AlwaysAddsTheSeparator) {
    EXPECT_EQ(PathInFolder("C:\\Saver", "Kestrovalinde.ini"), "C:\\Saver\\Kestrovalinde.ini");
    EXPECT_EQ(PathInFolder("C:\\", "Kestrovalinde.ini"), "C:\\\\Kestrovalinde.ini");
}

class FileExistsTest : public ::testing::Test {
  protected:
    PosixFilePort files;
};

TEST_F(FileExistsTest, TrueOnlyForFilesThatOpen) {
    testing::ScratchFolder folder;
    const std::string file = folder.write("song.mp3");
    EXPECT_TRUE(FileExists(files, file));
    EXPECT_FALSE(FileExists(files, folder.path("missing.mp3")));
    EXPECT_FALSE(FileExists(files, folder.folder()));
    EXPECT_FALSE(FileExists(files, ""));
}

TEST_F(FileExistsTest, DropsOneTrailingSeparator) {
    testing::ScratchFolder folder;
    // On this system "\" is an ordinary file-name character, so "name\" with
    // the separator dropped names the file "name".
    const std::string file = folder.write("song.mp3");
    EXPECT_TRUE(FileExists(files, file + "\\"));
    EXPECT_FALSE(FileExists(files, file + "\\\\"));
    EXPECT_FALSE(FileExists(files, "\\"));
}

TEST(FileExists, NameHoldingANulIsNoFileAndNotAskedAbout) {
    testing::FakeFiles files;
    files.add("song.mp3");
    EXPECT_FALSE(FileExists(files, std::string("song.mp3\0.txt", 13)));
    EXPECT_TRUE(files.asked.empty());
}

TEST_F(FileExistsTest, NameEndingInADoubleByteCharacterWhoseTrailByteIs5CKeepsIt) {
    // "表" is 95 5C in code page 932: its second byte looks like "\", but
    // it ends a character, not the path, and is no separator to drop.
    const std::string name = "C:\\Music\\\x95\x5C";
    testing::FakeFiles fake;
    fake.add(name);
    EXPECT_TRUE(FileExists(fake, name));
    EXPECT_TRUE(FileExists(fake, name + "\\")) << "a real separator after it is dropped";
    EXPECT_FALSE(FileExists(fake, "\x95\x5C\\\\"));
    EXPECT_EQ(fake.asked, (std::vector<std::string>{name, name, "\x95\x5C\\"}));

    // The same with a file of that name on this system.
    testing::ScratchFolder folder;
    const std::string file = folder.write("\x95\x5C");
    EXPECT_TRUE(FileExists(files, file));
    EXPECT_TRUE(FileExists(files, file + "\\"));
}

TEST_F(FileExistsTest, UnreadableFileIsFalse) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root can read any file";
    testing::ScratchFolder folder;
    const std::string file = folder.write("locked.mp3");
    std::filesystem::permissions(file, std::filesystem::perms::none);
    EXPECT_FALSE(FileExists(files, file));
}

} // namespace
} // namespace kestro

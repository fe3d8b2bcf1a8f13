// The saver's system services under Windows: the sprite resource held by
// the program and writing it over an existing file.

#include "host/screens/saver_port_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/host/screens/sprite_checks.h"

namespace kestro {
namespace {

class SaverSystemTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char folder[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        path_ = std::string(folder) + "kestro_saver_sprite_test.bmp";
        DeleteFileA(path_.c_str());
    }
    void TearDown() override { DeleteFileA(path_.c_str()); }

    std::vector<uint8_t> fileBytes() {
        std::ifstream file(path_, std::ios::binary);
        return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
    }

    std::string path_;
};

TEST_F(SaverSystemTest, ProgramHoldsSaverSprite) {
    const std::vector<unsigned char> sprite = SaverSpriteBytes();
    testing::ExpectSaverSprite(std::vector<uint8_t>(sprite.begin(), sprite.end()));
}

TEST_F(SaverSystemTest, SpriteReplacesALongerFileCompletely) {
    {
        std::ofstream old(path_, std::ios::binary);
        old << std::string(10000, 'x');
    }
    const std::vector<unsigned char> sprite = SaverSpriteBytes();
    ASSERT_TRUE(WriteWholeFile(path_, sprite));
    EXPECT_EQ(fileBytes(), std::vector<uint8_t>(sprite.begin(), sprite.end()));
}

TEST_F(SaverSystemTest, WritingIntoAMissingFolderFails) {
    EXPECT_FALSE(
        WriteWholeFile("C:\\no_such_kestro_folder\\Kestrovalinde.bmp", SaverSpriteBytes()));
}

TEST_F(SaverSystemTest, ProgramThatCannotBeStartedReportsFalse) {
    EXPECT_FALSE(StartProgramUnquoted("C:\\no_such_kestro_folder\\Kestrovalinde.dll"));
    {
        std::ofstream notAProgram(path_, std::ios::binary);
        notAProgram << "not a program";
    }
    EXPECT_FALSE(StartProgramUnquoted(path_));
}

} // namespace
} // namespace kestro

// The saver's system services under Windows: the sprite resource held by
// the program and writing it over an existing file.

#include "host/screens/saver_port_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

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

// The fake renderer built next to this test; it appends "module|command
// line" to the file KESTRO_FAKE_RENDERER_LOG names and, with a lifetime of 0,
// ends at once.
std::string fakeRendererPath() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string folder(self);
    folder.erase(folder.find_last_of('\\') + 1);
    return folder + "saver_fake_renderer.exe";
}

std::string textOf(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Waits, within a bound, for the started program to write its line.
std::string firstLoggedLine(const std::string& logPath) {
    constexpr DWORD LOG_WAIT_MS = 60000;
    constexpr DWORD POLL_MS = 50;
    const DWORD started = GetTickCount();
    for (;;) {
        const std::string text = textOf(logPath);
        const size_t end = text.find('\n');
        if (end != std::string::npos)
            return text.substr(0, end);
        if (GetTickCount() - started > LOG_WAIT_MS)
            return "";
        Sleep(POLL_MS);
    }
}

// Removes a file the started program may still hold for a moment.
void removeWhenFree(const std::string& path) {
    constexpr int ATTEMPTS = 200;
    for (int attempt = 0;
         attempt < ATTEMPTS && !DeleteFileA(path.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND;
         ++attempt)
        Sleep(50);
}

TEST_F(SaverSystemTest, RendererInAFolderWithABlankIsStartedItselfNotTheFirstWordsProgram) {
    // Given only the unquoted command line, the system would try
    // C:\<first word>.exe before the renderer; a trap program waits there.
    const std::string word = "kestrotrap" + std::to_string(GetCurrentProcessId());
    const std::string folder = "C:\\" + word + " saver";
    const std::string renderer = folder + "\\Kestrovalinde.dll";
    const std::string trap = "C:\\" + word + ".exe";
    const std::string logPath = path_ + ".log";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    ASSERT_TRUE(CopyFileA(fakeRendererPath().c_str(), renderer.c_str(), FALSE))
        << fakeRendererPath();
    ASSERT_TRUE(CopyFileA(fakeRendererPath().c_str(), trap.c_str(), FALSE));
    SetEnvironmentVariableA("KESTRO_FAKE_RENDERER_LOG", logPath.c_str());
    SetEnvironmentVariableA("KESTRO_FAKE_RENDERER_LIFETIME_MS", "0");

    EXPECT_TRUE(StartProgramUnquoted(renderer));
    const std::string line = firstLoggedLine(logPath);

    SetEnvironmentVariableA("KESTRO_FAKE_RENDERER_LOG", nullptr);
    SetEnvironmentVariableA("KESTRO_FAKE_RENDERER_LIFETIME_MS", nullptr);
    removeWhenFree(renderer);
    removeWhenFree(trap);
    removeWhenFree(logPath);
    RemoveDirectoryA(folder.c_str());

    // The renderer ran, and its command line is its path alone, unquoted.
    EXPECT_EQ(line, renderer + "|" + renderer);
}

} // namespace
} // namespace kestro

// Start-up's system side on a real Windows API (run under Wine): profile
// files in code page 932, file tests, the forms layer's windows and timers.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "common/shared_names.h"
#include "host/forms/form_window_win32.h"
#include "host/platform/file_port_win32.h"
#include "host/startup/profile_port_win32.h"
#include "host/startup/settings_file.h"
#include "host/startup/startup_port_win32.h"
#include "tests/support/scratch_folder.h"

namespace kestro {
namespace {

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class SystemFiles : public ::testing::Test {
  protected:
    testing::ScratchFolder scratch;
    const std::string folder = scratch.folder();
    Win32ProfilePort profile;
    Win32FilePort files;
};

TEST_F(SystemFiles, WrittenKeysAreCodePage932AndReadBack) {
    const std::string file = SettingsFilePath(folder);
    const std::string song = scratch.write("my song.mp3", "ID3");

    EXPECT_TRUE(
        WriteIniValue(profile, SETTINGS_SECTION, settingsKeyKind(), SettingNumberText(2), file));
    EXPECT_TRUE(WriteIniValue(profile, SETTINGS_SECTION, settingsKeyRepeatTrack(),
                              SettingNumberText(-3), file));
    EXPECT_TRUE(WriteIniValue(profile, SETTINGS_SECTION, settingsKeyFile(), song, file));

    const std::string bytes = fileBytes(file);
    EXPECT_NE(bytes.find("[Section]"), std::string::npos) << bytes;
    // Windows keeps the blank before a number; Wine drops it.
    EXPECT_TRUE(bytes.find("BGM\x8B\xE6\x95\xAA= 2\r\n") != std::string::npos ||
                bytes.find("BGM\x8B\xE6\x95\xAA=2\r\n") != std::string::npos)
        << bytes;
    EXPECT_NE(bytes.find("BGM\xD8\xCB\xDF\xB0\xC4=-3\r\n"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("BGM\xCC\xA7\xB2\xD9=" + song + "\r\n"), std::string::npos) << bytes;
    EXPECT_LT(bytes.find("BGM\x8B\xE6"), bytes.find("BGM\xD8\xCB"));
    EXPECT_LT(bytes.find("BGM\xD8\xCB"), bytes.find("BGM\xCC\xA7"));

    const MusicSettings settings = ReadSettings(profile, files, folder);
    EXPECT_EQ(settings.BgmKind, 2);
    EXPECT_EQ(settings.BgmRepeatTrack, -3);
    EXPECT_EQ(settings.BgmFile, song);
    EXPECT_EQ(settings.BgmFolder, folder);
}

TEST_F(SystemFiles, FolderInPlaceOfTheSettingsFileReadsAsEmpty) {
    CreateDirectoryA(SettingsFilePath(folder).c_str(), nullptr);
    const MusicSettings settings = ReadSettings(profile, files, folder);
    EXPECT_EQ(settings.BgmKind, 0);
    EXPECT_EQ(settings.BgmFile, "");
    EXPECT_EQ(settings.BgmFolder, folder);
}

TEST(HostFolder, IsTheProgramsFolderWithoutTrailingSeparator) {
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    Win32ProfilePort profile;
    Win32FilePort files;
    const std::string folder = Win32StartupPort(profile, files).hostFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_EQ(std::string(program).rfind(folder + "\\", 0), 0u);
}

class TickingForm : public FormWindow {
  public:
    FormTimer timer{*this, 10, [this] {
                        if (++ticks == 3)
                            close();
                    }};
    int ticks = 0;
    bool loaded = false;
    bool closed = false;

  protected:
    void onLoad() override {
        loaded = true;
        timer.setEnabled(true);
    }
    void onClose() override { closed = true; }
};

TEST(FormWindow, HiddenFormIsFoundByTitleAndItsTimerTicks) {
    TickingForm form;
    FormPlacement placement;
    placement.title = SAVER_WINDOW_TITLE;
    ASSERT_TRUE(form.create(placement));
    EXPECT_TRUE(form.loaded);
    EXPECT_FALSE(IsWindowVisible(form.hwnd()));
    EXPECT_EQ(FindWindowA(nullptr, SAVER_WINDOW_TITLE), form.hwnd());
    EXPECT_EQ(loadedFormCount(), 1);

    runFormsMessageLoop(); // ends when the form has closed itself
    EXPECT_EQ(form.ticks, 3);
    EXPECT_TRUE(form.closed);
    EXPECT_EQ(form.hwnd(), nullptr);
    EXPECT_EQ(FindWindowA(nullptr, SAVER_WINDOW_TITLE), nullptr);
    EXPECT_EQ(loadedFormCount(), 0);
}

} // namespace
} // namespace kestro

// The hidden saver window as Windows drives it: the end of the session.

#include "host/screens/saver_window_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "host/startup/host_startup.h"
#include "tests/host/music/recording_mci.h"
#include "tests/host/screens/recording_saver_port.h"

namespace kestro {
namespace {

bool logHas(const std::vector<std::string>& log, const std::string& entry) {
    return std::find(log.begin(), log.end(), entry) != log.end();
}

TEST(SaverWindow, EndsWithTheSessionOnlyWhenTheSessionReallyEnds) {
    std::vector<std::string> log;
    testing::RecordingMci mci(log);
    testing::RecordingSaverPort system(log);
    MusicSettings settings;
    settings.BgmKind = BGM_MUSIC_FILE;
    settings.BgmFile = "C:\\Music\\song.mp3";
    const std::unique_ptr<FormWindow> window =
        CreateSaverWindow(system, mci, settings, "C:\\Saver", MODE_SAVER);
    ASSERT_NE(window->hwnd(), nullptr);
    ASSERT_TRUE(logHas(log, "start C:\\Saver\\Kestrovalinde.dll"));

    // Another program refused to end, so the session goes on: so does the saver.
    log.clear();
    SendMessageA(window->hwnd(), WM_ENDSESSION, FALSE, 0);
    EXPECT_TRUE(log.empty()) << "first call: " << log.front();
    EXPECT_TRUE(IsWindow(window->hwnd()));

    // The session ends: the saver closes as on any close request, music
    // first, and the host ends.
    SendMessageA(window->hwnd(), WM_ENDSESSION, TRUE, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"mci:stop MP3Play/-", "mci:close MP3Play/-",
                                             "show cursor", "end process"}));
}

} // namespace
} // namespace kestro

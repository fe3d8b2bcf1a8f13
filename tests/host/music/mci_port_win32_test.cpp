// The music player against the real multimedia system of the test machine.
// Only what holds on any machine is asserted: devices that do not exist.

#include "host/music/mci_port_win32.h"

#include <gtest/gtest.h>

#include "host/music/music_player.h"

namespace kestro {
namespace {

class SystemMciTest : public ::testing::Test {
  protected:
    Win32MciPort mci;
    MusicPlayer player{mci};
};

TEST_F(SystemMciTest, UnknownDeviceGivesItsCodeAndTheSystemsErrorText) {
    std::string reply;
    const int32_t rc = player.MciSend("status kestro_no_such_device mode", reply);
    EXPECT_NE(rc, 0);
    EXPECT_FALSE(reply.empty());
    EXPECT_NE(reply, missingErrorTextReply()) << "the system has a text for its own codes";
    EXPECT_EQ(player.MciQuery("status kestro_no_such_device mode"), "Error:" + std::to_string(rc));
}

TEST_F(SystemMciTest, Mp3ThatCannotBeOpenedIsNotPlayingAndClosesQuietly) {
    player.BgmPlayMp3("C:\\no such kestro folder\\missing song.mp3");
    EXPECT_FALSE(player.BgmIsMp3Playing());
    player.BgmRestartMp3();
    player.BgmCloseMp3();
}

TEST_F(SystemMciTest, StoppingWhenNothingPlaysSucceeds) {
    EXPECT_NE(player.BgmStopWav(), 0);
}

} // namespace
} // namespace kestro

// The music module against the real multimedia system of the test machine.
// Only what holds on any machine is asserted: devices that do not exist.

#include "host/music/mci_port_win32.h"

#include <gtest/gtest.h>

#include "host/music/music_player.h"
#include "host/music/music_settings.h"
#include "host/startup/last_api_result.h"

namespace kestro {
namespace {

class SystemMciTest : public ::testing::Test {
protected:
    void SetUp() override { SetMciPort(SystemMciPort()); }
};

TEST_F(SystemMciTest, UnknownDeviceGivesItsCodeAndTheSystemsErrorText) {
    std::string reply;
    const int32_t rc = MciSend("status kestro_no_such_device mode", reply);
    EXPECT_NE(rc, 0);
    EXPECT_EQ(LastApiResult, rc);
    EXPECT_FALSE(reply.empty());
    EXPECT_NE(reply, missingErrorTextReply()) << "the system has a text for its own codes";
    EXPECT_EQ(MciQuery("status kestro_no_such_device mode"), "Error:" + std::to_string(rc));
}

TEST_F(SystemMciTest, Mp3ThatCannotBeOpenedIsNotPlayingAndClosesQuietly) {
    BgmFile = "C:\\no such kestro folder\\missing song.mp3";
    BgmPlayMp3();
    EXPECT_FALSE(BgmIsMp3Playing());
    BgmRestartMp3();
    BgmCloseMp3();
}

TEST_F(SystemMciTest, StoppingWhenNothingPlaysSucceeds) {
    BgmStopWav();
    EXPECT_NE(LastApiResult, 0);
}

} // namespace
} // namespace kestro

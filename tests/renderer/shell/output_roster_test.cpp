// Which output holds the show as outputs come and go.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "renderer/shell/output_roster.h"

namespace kestro {
namespace {

TEST(OutputRoster, NoOutputNoShow) {
    OutputRoster roster;
    EXPECT_EQ(roster.showOutput(), std::nullopt);
    roster.drop(7);
    EXPECT_TRUE(roster.names().empty());
}

TEST(OutputRoster, TheFirstAnnouncedHoldsTheShowWhateverItsName) {
    OutputRoster roster;
    roster.add(9);
    roster.add(3);
    roster.add(5);
    EXPECT_EQ(roster.showOutput(), std::optional<uint32_t>(9));
    EXPECT_EQ(roster.names(), (std::vector<uint32_t>{9, 3, 5}));
}

TEST(OutputRoster, TheShowMovesToTheFirstLeftWhenItsOutputGoes) {
    OutputRoster roster;
    roster.add(9);
    roster.add(3);
    roster.add(5);
    roster.drop(9);
    EXPECT_EQ(roster.showOutput(), std::optional<uint32_t>(3));
    roster.drop(3);
    EXPECT_EQ(roster.showOutput(), std::optional<uint32_t>(5));
    roster.drop(5);
    EXPECT_EQ(roster.showOutput(), std::nullopt);
    // An output that comes to an empty roster takes the show.
    roster.add(12);
    EXPECT_EQ(roster.showOutput(), std::optional<uint32_t>(12));
}

TEST(OutputRoster, ACoverThatGoesLeavesTheShowWhereItIs) {
    OutputRoster roster;
    roster.add(1);
    roster.add(2);
    roster.add(3);
    roster.drop(2);
    EXPECT_EQ(roster.showOutput(), std::optional<uint32_t>(1));
    EXPECT_EQ(roster.names(), (std::vector<uint32_t>{1, 3}));
    EXPECT_FALSE(roster.has(2));
}

TEST(OutputRoster, AnOutputAnnouncedTwiceKeepsItsPlace) {
    OutputRoster roster;
    roster.add(1);
    roster.add(2);
    roster.add(1);
    EXPECT_EQ(roster.names(), (std::vector<uint32_t>{1, 2}));
}

TEST(OutputRoster, AnOutputBackAfterItWentComesLast) {
    OutputRoster roster;
    roster.add(1);
    roster.add(2);
    roster.drop(1);
    roster.add(1);
    EXPECT_EQ(roster.showOutput(), std::optional<uint32_t>(2));
    EXPECT_EQ(roster.names(), (std::vector<uint32_t>{2, 1}));
}

} // namespace
} // namespace kestro

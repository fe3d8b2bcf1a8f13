#include "host/settings/track_box_text.h"

#include <gtest/gtest.h>

namespace kestro {
namespace {

using Kind = TrackBoxValue::Kind;

TEST(TrackBoxText, ZeroIsEmptyOtherNumbersTheirDigits) {
    EXPECT_EQ(TrackBoxText(0), "");
    EXPECT_EQ(TrackBoxText(7), "7");
    EXPECT_EQ(TrackBoxText(30), "30");
    EXPECT_EQ(TrackBoxText(-3), "-3");
    EXPECT_EQ(TrackBoxText(32767), "32767");
}

TEST(TrackBoxText, ListIsEmptyEntryThenOneToThirty) {
    const std::vector<std::string> entries = TrackBoxEntries();
    ASSERT_EQ(entries.size(), 31u);
    EXPECT_EQ(entries.front(), "");
    EXPECT_EQ(entries[1], "1");
    EXPECT_EQ(entries[15], "15");
    EXPECT_EQ(entries.back(), "30");
}

void expectValue(const std::string& text, int16_t value) {
    const TrackBoxValue read = ReadTrackBoxText(text);
    EXPECT_EQ(read.kind, Kind::InRange) << '"' << text << '"';
    EXPECT_EQ(read.value, value) << '"' << text << '"';
}

void expectKind(const std::string& text, Kind kind) {
    EXPECT_EQ(ReadTrackBoxText(text).kind, kind) << '"' << text << '"';
}

TEST(ReadTrackBoxText, ReadsPlainNumbersWithBlanksAndSigns) {
    expectValue("5", 5);
    expectValue("  12 ", 12);
    expectValue("+3", 3);
    expectValue("-4", -4);
    expectValue("007", 7);
    expectValue("1e1", 10);
    expectValue(".5e1", 5);
}

TEST(ReadTrackBoxText, RoundsHalvesToEven) {
    expectValue("2.5", 2);
    expectValue("3.5", 4);
    expectValue("0.5", 0);
    expectValue("-0.5", 0);
    expectValue("-1.5", -2);
    expectValue("2.51", 3);
    expectValue("32766.5", 32766);
    expectValue("-32768.5", -32768);
}

TEST(ReadTrackBoxText, TextThatIsNoNumberIsNotNumeric) {
    for (const char* text : {"", "   ", "abc", "1a", "a1", "1 2", ".", "-", "1e", "e5", "0x10",
                             "inf", "nan", "1,5", "\x82\x50"}) {
        expectKind(text, Kind::NotNumeric);
    }
}

TEST(ReadTrackBoxText, NumbersBeyondSixteenBitsAreOutOfRange) {
    expectValue("32767", 32767);
    expectValue("32767.4", 32767);
    expectValue("-32768", -32768);
    expectKind("32767.5", Kind::OutOfRange);
    expectKind("32768", Kind::OutOfRange);
    expectKind("-32769", Kind::OutOfRange);
    expectKind("99999999999999999999", Kind::OutOfRange);
    expectKind("1e400", Kind::OutOfRange);
    expectKind("-1e400", Kind::OutOfRange);
    expectValue("1e-400", 0);
}

} // namespace
} // namespace kestro

// The painted background, the placement and the dialog's fixed texts.
#include <gtest/gtest.h>

#include "host/forms/twips.h"
#include "host/platform/ansi_text.h"
#include "host/settings/dialog_background.h"
#include "host/settings/dialog_placement.h"
#include "host/settings/music_file_choice.h"
#include "host/settings/settings_dialog_texts.h"

namespace kestro {
namespace {

constexpr int CLIENT_HEIGHT = 243;
constexpr int PANEL_HEIGHT = 165;

TEST(DialogBackground, WindowRunsFromDarkBlueThroughLightToDarkBlue) {
    EXPECT_EQ(WindowBandColour(0, CLIENT_HEIGHT), (RgbColour{0, 0, 30}));
    EXPECT_EQ(WindowBandColour(121, CLIENT_HEIGHT), (RgbColour{220, 220, 250}));
    EXPECT_EQ(WindowBandColour(122, CLIENT_HEIGHT), (RgbColour{220, 220, 250}));
    EXPECT_EQ(WindowBandColour(CLIENT_HEIGHT, CLIENT_HEIGHT), (RgbColour{0, 0, 30}));
}

TEST(DialogBackground, PanelRunsFromDarkGreyThroughNearWhiteToDarkGrey) {
    EXPECT_EQ(PanelBandColour(0, PANEL_HEIGHT), (RgbColour{30, 30, 30}));
    EXPECT_EQ(PanelBandColour(82, PANEL_HEIGHT), (RgbColour{250, 250, 250}));
    EXPECT_EQ(PanelBandColour(PANEL_HEIGHT, PANEL_HEIGHT), (RgbColour{30, 30, 30}));
}

TEST(DialogBackground, IntermediateRowsFollowTheSine) {
    // 81 / (243 / 3.142) = 1.04733 rad; |sin| x 220 = 190.55
    EXPECT_EQ(BandValue(81, CLIENT_HEIGHT), 191);
    // 10 / (243 / 3.142) = 0.129300 rad; sin x 220 = 28.37
    EXPECT_EQ(BandValue(10, CLIENT_HEIGHT), 28);
}

TEST(DialogBackground, RowsPastTheHalfPeriodStayPositive) {
    // 3.142 is a little above pi: the sine turns negative on the last row
    // only for heights large enough to matter, and the value is its size.
    EXPECT_GE(BandValue(3000, 3000), 0);
    EXPECT_LE(BandValue(3000, 3000), 2);
    EXPECT_EQ(BandValue(0, 0), 0);
}

TEST(DialogPlacement, CentresAcrossWithAThirdOfTheFreeHeightAbove) {
    // 1280 x 1024 screen, 502 x 272 window, in twips.
    const DialogOrigin origin = DialogPlacement(19200, 15360, 7530, 4080);
    EXPECT_EQ(origin.left, 5835);
    EXPECT_EQ(origin.top, 3760);
}

TEST(DialogPlacement, ALargerWindowThanTheScreenTruncatesTowardZero) {
    const DialogOrigin origin = DialogPlacement(100, 100, 105, 107);
    EXPECT_EQ(origin.left, -2);
    EXPECT_EQ(origin.top, -2);
}

TEST(DialogPictures, GrowWithTheLayoutAsTheScreenGetsFiner) {
    // The 12-pixel kind marks in their 195-twip controls.
    for (int dpi : {96, 120, 144}) {
        SCOPED_TRACE(dpi);
        const int perPixel = twipsPerPixelForDpi(dpi);
        EXPECT_EQ(screenPixelsOfPicture(12, perPixel), 12 * dpi / 96);
        EXPECT_LE(screenPixelsOfPicture(12, perPixel), pixelsFromTwips(195, perPixel));
    }
}

// The texts are UTF-8 (shown through the wide calls); their code page 932
// forms are the designer's bytes.
TEST(SettingsDialogTexts, JapaneseTextsAreTheCodePage932Texts) {
    const SettingsDialogTextSet& texts = SettingsDialogTexts();
    EXPECT_EQ(ansiText(texts.fontName),
              "\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E");
    EXPECT_EQ(ansiText(texts.kindLabels[0]), "\x82\xC8\x82\xB5");
    EXPECT_EQ(ansiText(texts.kindLabels[1]), "\x89\xB9\x8A\x79"
                                             "CD");
    EXPECT_EQ(ansiText(texts.kindLabels[2]), "MP3\x81\x41WAV");
    EXPECT_EQ(ansiText(texts.repeatLabel), "\x8B\xC8\x96\xDA\x82\xF0\xD8\xCB\xDF\xB0\xC4");
    EXPECT_EQ(ansiText(texts.saveButton), "\x90\xDD\x92\xE8");
    EXPECT_EQ(ansiText(texts.cancelButton), "\xB7\xAC\xDD\xBE\xD9");
    EXPECT_EQ(texts.credit.substr(texts.credit.size() - 9), "Ver.1.0.0");
}

TEST(MusicFileChoice, FilterIsOneNulSeparatedPairEndingInTwoNuls) {
    const std::string expected("BGM\xCC\xA7\xB2\xD9 (MP3 WAV)\0*.MP3;*.WAV\0\0", 31);
    EXPECT_EQ(ansiText(MusicFileFilter()), expected);
    EXPECT_EQ(ansiText(MusicFileChooserTitle()), "\xCC\xA7\xB2\xD9\x82\xF0\x8A\x4A\x82\xAD");
}

} // namespace
} // namespace kestro

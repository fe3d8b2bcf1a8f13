#include "host/controls/command_logic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kestro {
namespace {

struct Paint {
    Skin skin;
    bool inverted;
    bool operator==(const Paint& o) const { return skin == o.skin && inverted == o.inverted; }
};

std::ostream& operator<<(std::ostream& out, const Paint& p) {
    static const char* names[] = {"Normal",   "HighLight", "HighLightSelect",
                                  "Selected", "Pressed",   "Disable"};
    return out << names[static_cast<int>(p.skin)] << (p.inverted ? "/inverted" : "/plain");
}

class RecordingEvents : public CommandEvents {
  public:
    bool paintSkin(Skin skin, bool invertGradient) override {
        paints.push_back({skin, invertGradient});
        return paintSucceeds;
    }
    void captionChanged(const CaptionLabel& caption) override {
        lastCaption = caption;
        ++captionChanges;
    }
    void setBackgroundOpaque(bool value) override { opaque = value; }
    void startPointerPoll(unsigned intervalMs) override { pollIntervalMs = intervalMs; }
    PointerPlace pointerPlace() override { return pointer; }
    void propertyChanged(std::string_view name) override { notified.emplace_back(name); }
    void raiseClick() override { ++clicks; }

    std::vector<Skin> skins() const {
        std::vector<Skin> out;
        for (const Paint& p : paints)
            out.push_back(p.skin);
        return out;
    }

    std::vector<Paint> paints;
    bool paintSucceeds = true;
    CaptionLabel lastCaption;
    int captionChanges = 0;
    bool opaque = true;
    unsigned pollIntervalMs = 0;
    PointerPlace pointer = PointerPlace::OwnWindow;
    std::vector<std::string> notified;
    int clicks = 0;
};

const FontDescription DIALOG_FONT{"\x82\x6c\x82\x72 \x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e",
                                  9.75,
                                  FONT_WEIGHT_REGULAR,
                                  false,
                                  false,
                                  false,
                                  FONT_CHARSET_SHIFTJIS};

// A button as a form has it after loading default properties and Initialize.
class CommandLogicTest : public ::testing::Test {
  protected:
    void SetUp() override {
        logic.loadProperties({}, DIALOG_FONT);
        logic.onResize();
        logic.Initialize();
        events.paints.clear();
        events.notified.clear();
    }
    void hover() { logic.onPointerMove(); }
    void leaveAndTick() {
        events.pointer = PointerPlace::Elsewhere;
        logic.onPointerPollTick();
    }
    void clickLeft() {
        logic.onButtonDown(MouseButton::Left);
        logic.onButtonUp(MouseButton::Left);
    }

    RecordingEvents events;
    CommandLogic logic{events};
};

using S = Skin;
using BS = ButtonState;

TEST(CommandLogicCreation, FreshControlIsDisabledAndStateless) {
    RecordingEvents events;
    CommandLogic logic{events};
    EXPECT_EQ(logic.currentState(), BS::Uninitialized);
    EXPECT_EQ(logic.isEnabled(), 0);
    EXPECT_EQ(logic.firstRun(), 0);
    logic.onPointerMove();
    logic.onFocusGained();
    logic.onButtonUp(MouseButton::Left);
    EXPECT_TRUE(events.paints.empty());
    EXPECT_EQ(events.clicks, 0);
}

TEST_F(CommandLogicTest, InitializeSetsNormalAndStartsThePollWithoutPainting) {
    RecordingEvents fresh;
    CommandLogic other{fresh};
    other.Initialize();
    EXPECT_EQ(other.currentState(), BS::Normal);
    EXPECT_EQ(fresh.pollIntervalMs, 100u);
    EXPECT_TRUE(fresh.paints.empty());
}

TEST_F(CommandLogicTest, PointerEnteringHighlightsOnceAndHighlightSelectsAFocusedButton) {
    hover();
    EXPECT_EQ(logic.currentState(), BS::HighLight);
    EXPECT_EQ(events.paints, (std::vector<Paint>{{S::HighLight, true}}));
    hover(); // already hovered: nothing more
    EXPECT_EQ(events.paints.size(), 1u);

    RecordingEvents focusedEvents;
    CommandLogic focused{focusedEvents};
    focused.loadProperties({}, DIALOG_FONT);
    focused.Initialize();
    focused.onFocusGained();
    focusedEvents.paints.clear();
    focused.onPointerMove();
    EXPECT_EQ(focused.currentState(), BS::HighLightSelect);
    EXPECT_EQ(focusedEvents.paints, (std::vector<Paint>{{S::HighLightSelect, false}}));
}

TEST_F(CommandLogicTest, ButtonDownPaintsPressedOnlyForTheLeftButton) {
    hover();
    events.paints.clear();
    logic.onButtonDown(MouseButton::Right);
    logic.onButtonDown(MouseButton::Middle);
    EXPECT_TRUE(events.paints.empty());
    EXPECT_FALSE(logic.buttonHeld());
    logic.onButtonDown(MouseButton::Left);
    EXPECT_EQ(events.paints, (std::vector<Paint>{{S::Pressed, true}}));
    EXPECT_TRUE(logic.buttonHeld());
    EXPECT_EQ(logic.currentState(), BS::HighLight);
}

TEST_F(CommandLogicTest, LeftReleasePaintsByStateAndClicksUnlessSelected) {
    hover();
    events.paints.clear();
    clickLeft(); // HighLight: Normal skin over the still inverted face
    EXPECT_EQ(events.paints, (std::vector<Paint>{{S::Pressed, true}, {S::Normal, true}}));
    EXPECT_EQ(events.clicks, 1);
    EXPECT_FALSE(logic.buttonHeld());
    EXPECT_EQ(logic.currentState(), BS::HighLight);

    logic.onFocusLost();
    EXPECT_EQ(logic.currentState(), BS::Normal);
    events.paints.clear();
    logic.onButtonUp(MouseButton::Left); // Normal: no skin, but a click
    EXPECT_TRUE(events.paints.empty());
    EXPECT_EQ(events.clicks, 2);

    logic.onFocusGained(); // Selected
    events.paints.clear();
    clickLeft();
    EXPECT_EQ(events.skins(), (std::vector<Skin>{S::Pressed}));
    EXPECT_EQ(events.clicks, 2);
}

TEST_F(CommandLogicTest, RightReleaseClicksWithoutChangingTheSkin) {
    hover();
    events.paints.clear();
    logic.onButtonDown(MouseButton::Right);
    logic.onButtonUp(MouseButton::Right);
    EXPECT_TRUE(events.paints.empty());
    EXPECT_EQ(events.clicks, 1);

    logic.onFocusGained(); // HighLightSelect
    logic.onFocusLost();
    logic.onFocusGained(); // Selected: a right release raises nothing either
    logic.onButtonUp(MouseButton::Right);
    EXPECT_EQ(events.clicks, 1);
}

TEST_F(CommandLogicTest, FocusSelectsAndLosingItReturnsToNormal) {
    logic.onFocusGained();
    EXPECT_EQ(logic.currentState(), BS::Selected);
    EXPECT_EQ(events.paints, (std::vector<Paint>{{S::Selected, false}}));

    logic.onFocusLost();
    EXPECT_EQ(logic.currentState(), BS::Normal);
    hover();
    events.paints.clear();
    logic.onFocusGained(); // hovered: the pressed look over the inverted face
    EXPECT_EQ(logic.currentState(), BS::HighLightSelect);
    EXPECT_EQ(events.paints, (std::vector<Paint>{{S::Pressed, true}}));

    events.paints.clear();
    logic.onFocusLost();
    EXPECT_EQ(events.paints, (std::vector<Paint>{{S::Normal, false}}));
    logic.onFocusLost(); // already Normal
    EXPECT_EQ(events.paints.size(), 1u);
}

TEST_F(CommandLogicTest, TickEndsHoverOnlyWhenThePointerIsOffTheOwnWindow) {
    hover();
    events.paints.clear();
    events.pointer = PointerPlace::OwnWindow;
    logic.onPointerPollTick();
    events.pointer = PointerPlace::Unknown;
    logic.onPointerPollTick();
    EXPECT_TRUE(events.paints.empty());
    EXPECT_EQ(logic.currentState(), BS::HighLight);

    events.pointer = PointerPlace::ParentForm;
    logic.onPointerPollTick();
    EXPECT_EQ(logic.currentState(), BS::Normal);
    EXPECT_EQ(events.paints, (std::vector<Paint>{{S::Normal, false}}));

    events.paints.clear();
    logic.onPointerPollTick(); // nothing to end: no repaint on a quiet tick
    EXPECT_TRUE(events.paints.empty());

    logic.onFocusGained();
    hover();
    events.paints.clear();
    leaveAndTick(); // another window, e.g. a second button
    EXPECT_EQ(logic.currentState(), BS::Selected);
    EXPECT_EQ(events.paints, (std::vector<Paint>{{S::Selected, false}}));
}

TEST_F(CommandLogicTest, ResizePaintsNormalWhateverTheState) {
    hover();
    logic.onFocusGained();
    events.paints.clear();
    logic.onResize();
    EXPECT_EQ(events.skins(), (std::vector<Skin>{S::Normal}));
    EXPECT_EQ(logic.currentState(), BS::HighLightSelect);
}

TEST_F(CommandLogicTest, OrdinaryClickOnUnfocusedHoveredControl) {
    hover();
    logic.onFocusGained();
    clickLeft();
    EXPECT_EQ(events.paints, (std::vector<Paint>{{S::HighLight, true},
                                                 {S::Pressed, true},
                                                 {S::Pressed, true},
                                                 {S::HighLightSelect, true}}));
    EXPECT_EQ(events.clicks, 1);
    logic.onFocusLost();
    EXPECT_EQ(logic.currentState(), BS::Normal);
}

TEST_F(CommandLogicTest, ClickWithoutAPriorMoveOnlyFocuses) {
    logic.onFocusGained();
    clickLeft();
    EXPECT_EQ(events.clicks, 0);
    hover();
    clickLeft();
    EXPECT_EQ(events.clicks, 1);
}

TEST_F(CommandLogicTest, DragOutPastATickNeverClicks) {
    hover();
    logic.onFocusGained();
    logic.onButtonDown(MouseButton::Left);
    leaveAndTick();
    EXPECT_EQ(logic.currentState(), BS::Selected);
    events.paints.clear();
    hover(); // back over the control with the button still held
    EXPECT_TRUE(events.paints.empty());
    EXPECT_EQ(logic.currentState(), BS::Selected);
    logic.onButtonUp(MouseButton::Left);
    EXPECT_EQ(events.clicks, 0);
    EXPECT_EQ(logic.currentState(), BS::Selected);
    EXPECT_TRUE(events.paints.empty());
}

TEST_F(CommandLogicTest, ReleaseBeforeTheNextTickStillClicks) {
    hover();
    logic.onFocusGained();
    logic.onButtonDown(MouseButton::Left);
    events.pointer = PointerPlace::Elsewhere; // left, but no tick yet
    logic.onButtonUp(MouseButton::Left);
    EXPECT_EQ(events.clicks, 1);
}

TEST_F(CommandLogicTest, BeforeInitializeMovesPaintNothingAndAClickOnlyFocuses) {
    RecordingEvents p;
    CommandLogic early{p};
    early.loadProperties({}, DIALOG_FONT);
    p.paints.clear();
    early.onPointerMove();
    EXPECT_TRUE(p.paints.empty());
    EXPECT_EQ(early.currentState(), BS::Uninitialized);
    early.onFocusGained();
    early.onButtonDown(MouseButton::Left);
    early.onButtonUp(MouseButton::Left);
    EXPECT_EQ(early.currentState(), BS::Selected);
    EXPECT_EQ(p.clicks, 0);
    p.pointer = PointerPlace::Elsewhere;
    early.onPointerPollTick();
    EXPECT_EQ(early.currentState(), BS::Selected);
}

TEST_F(CommandLogicTest, EnabledOtherThanTrueReactsButNeverClicks) {
    logic.writeEnabled(1);
    hover();
    EXPECT_EQ(logic.currentState(), BS::HighLight);
    logic.onFocusGained();
    clickLeft();
    logic.onButtonUp(MouseButton::Right);
    EXPECT_EQ(events.clicks, 0);
    EXPECT_EQ(events.skins().back(), S::HighLightSelect);
}

TEST_F(CommandLogicTest, DisabledControlPaintsDisableAndIgnoresEverything) {
    hover();
    events.paints.clear();
    logic.writeEnabled(BOOL16_FALSE);
    EXPECT_EQ(events.skins(), (std::vector<Skin>{S::Disable}));
    EXPECT_FALSE(events.lastCaption.enabled);
    EXPECT_EQ(events.notified, (std::vector<std::string>{"Enabled"}));
    events.paints.clear();
    logic.onPointerMove();
    logic.onFocusGained();
    logic.onFocusLost();
    clickLeft();
    leaveAndTick();
    EXPECT_TRUE(events.paints.empty());
    EXPECT_EQ(events.clicks, 0);
    EXPECT_EQ(logic.currentState(), BS::HighLight); // the state stays as it was

    logic.writeEnabled(BOOL16_TRUE);
    EXPECT_EQ(events.skins(), (std::vector<Skin>{S::Normal}));
    EXPECT_TRUE(events.lastCaption.enabled);
}

TEST_F(CommandLogicTest, HighLightSelectKeepsTheFaceItWasReachedWith) {
    hover();
    logic.onFocusGained(); // from HighLight: inverted
    events.paints.clear();
    logic.onButtonUp(MouseButton::Left);
    EXPECT_EQ(events.paints, (std::vector<Paint>{{S::HighLightSelect, true}}));
    EXPECT_TRUE(logic.invertGradient());

    leaveAndTick(); // Selected: plain
    events.paints.clear();
    hover(); // from Selected: stays plain
    EXPECT_EQ(events.paints, (std::vector<Paint>{{S::HighLightSelect, false}}));
}

TEST_F(CommandLogicTest, VisibleSwitchesTheBackgroundAndReadsAs255Or0) {
    logic.writeVisible(0);
    EXPECT_FALSE(events.opaque);
    EXPECT_EQ(logic.backgroundStyle(), 0);
    EXPECT_EQ(logic.readVisible(), 0);
    EXPECT_TRUE(events.paints.empty());
    logic.writeVisible(7);
    EXPECT_TRUE(events.opaque);
    EXPECT_EQ(logic.backgroundStyle(), 1);
    EXPECT_EQ(events.skins(), (std::vector<Skin>{S::Normal}));
    EXPECT_EQ(logic.readVisible(), 255);
    EXPECT_EQ(events.paints.size(), 2u); // the read refreshes too
    EXPECT_EQ(events.notified, (std::vector<std::string>{"Visible", "Visible"}));
}

TEST_F(CommandLogicTest, FontColourWriteNotifiesOnlyWhenTheColourIsValid) {
    logic.writeFontColour(0x0000FF);
    EXPECT_EQ(events.lastCaption.colour, 0x0000FFu);
    EXPECT_EQ(events.notified, (std::vector<std::string>{"FontColour"}));
    logic.writeFontColour(0x80000012); // a system colour
    EXPECT_EQ(logic.caption().colour, 0x80000012u);
    events.notified.clear();
    events.paints.clear();
    logic.writeFontColour(0x12345678);
    EXPECT_TRUE(events.notified.empty());
    EXPECT_EQ(logic.caption().colour, 0x80000012u);
    EXPECT_EQ(events.skins(), (std::vector<Skin>{S::Normal})); // refreshed all the same
    EXPECT_EQ(logic.readFontColour(), 0x80000012u);
}

TEST(CommandLogicFirstRun, CaptionStaysBlackUntilTheFirstReadOfEnabled) {
    RecordingEvents events;
    CommandLogic logic{events};
    logic.loadProperties({{PROPERTY_FIRST_RUN, int32_t{0}}, {PROPERTY_FONT_COLOUR, int32_t{0xFF}}},
                         DIALOG_FONT);
    EXPECT_EQ(logic.caption().colour, 0u); // the load's refresh turned it black
    logic.writeFontColour(0x00FF00);
    EXPECT_EQ(logic.caption().colour, 0u);
    EXPECT_EQ(logic.readEnabled(), BOOL16_TRUE);
    EXPECT_EQ(logic.firstRun(), 1);
    logic.writeFontColour(0x00FF00);
    EXPECT_EQ(logic.caption().colour, 0x00FF00u);
}

TEST(CommandLogicFirstRun, FirstReadOfEnabledSwitchesAnUnloadedControlOn) {
    RecordingEvents events;
    CommandLogic logic{events};
    EXPECT_EQ(logic.readEnabled(), BOOL16_TRUE);
    EXPECT_EQ(logic.isEnabled(), BOOL16_TRUE);
    EXPECT_EQ(events.skins(), (std::vector<Skin>{S::Normal}));
    EXPECT_EQ(logic.currentState(), BS::Uninitialized);

    RecordingEvents disabledPort;
    CommandLogic disabled{disabledPort};
    disabled.loadProperties({{PROPERTY_ENABLED, int32_t{0}}}, DIALOG_FONT);
    EXPECT_EQ(disabled.readEnabled(), BOOL16_FALSE);
    EXPECT_EQ(disabledPort.skins().back(), S::Disable);
}

TEST(CommandLogicRefresh, FailedPaintTurnsTheCaptionBlack) {
    RecordingEvents events;
    CommandLogic logic{events};
    logic.loadProperties({{PROPERTY_FONT_COLOUR, int32_t{0xFF}}}, DIALOG_FONT);
    EXPECT_EQ(logic.caption().colour, 0xFFu);
    events.paintSucceeds = false;
    logic.readVisible();
    EXPECT_EQ(logic.caption().colour, 0u);
}

TEST(CommandProperties, MissingKeysTakeTheLoadDefaults) {
    RecordingEvents events;
    CommandLogic logic{events};
    logic.loadProperties({}, DIALOG_FONT);
    EXPECT_EQ(logic.isEnabled(), BOOL16_TRUE);
    EXPECT_EQ(logic.readCaption(), "Command1");
    EXPECT_EQ(logic.readFont(), DIALOG_FONT);
    EXPECT_EQ(logic.firstRun(), 1);
    EXPECT_EQ(logic.caption().colour, 0u);
    EXPECT_EQ(logic.backgroundStyle(), 1);
    EXPECT_EQ(events.skins(), (std::vector<Skin>{S::Normal})); // the load's RefreshLook
    EXPECT_EQ(events.lastCaption.text, "Command1");
    EXPECT_TRUE(events.notified.empty());
}

TEST(CommandProperties, StoredValuesLoadAndWrongKindsAreSkipped) {
    RecordingEvents events;
    CommandLogic logic{events};
    const FontDescription other{"Tahoma", 8.25, 700, true, false, false, 0};
    logic.loadProperties({{PROPERTY_ENABLED, int32_t{5}},
                          {PROPERTY_CAPTION, std::string("\x90\xdd\x92\xe8")},
                          {PROPERTY_FONT, other},
                          {PROPERTY_FIRST_RUN, int32_t{300}},
                          {PROPERTY_FONT_COLOUR, int32_t{0x0000FF}},
                          {PROPERTY_VISIBLE, int32_t{0}}},
                         DIALOG_FONT);
    EXPECT_EQ(logic.isEnabled(), BOOL16_TRUE); // loading yields -1 or 0 only
    EXPECT_EQ(logic.readCaption(), "\x90\xdd\x92\xe8");
    EXPECT_EQ(logic.readFont(), other);
    EXPECT_EQ(logic.firstRun(), 0); // 300 does not fit 8 bits: the step is skipped
    EXPECT_EQ(logic.backgroundStyle(), 0);
    EXPECT_FALSE(events.opaque);

    RecordingEvents p2;
    CommandLogic wrong{p2};
    wrong.loadProperties({{PROPERTY_ENABLED, std::string("yes")}, {PROPERTY_VISIBLE, int32_t{2}}},
                         DIALOG_FONT);
    EXPECT_EQ(wrong.isEnabled(), BOOL16_FALSE);
    EXPECT_EQ(wrong.backgroundStyle(), 1);
}

TEST(CommandProperties, SaveStoresOnlyWhatDiffersFromTheSaveDefaults) {
    RecordingEvents events;
    CommandLogic logic{events};
    logic.loadProperties({{PROPERTY_CAPTION, std::string("Command")}}, DIALOG_FONT);
    events.paints.clear();
    EXPECT_TRUE(logic.saveProperties(DIALOG_FONT).empty());
    EXPECT_EQ(events.skins(), (std::vector<Skin>{S::Normal})); // RefreshLook ends the save

    logic.writeEnabled(BOOL16_FALSE);
    logic.writeVisible(0);
    logic.writeFontColour(0x123456);
    const PropertyBag saved = logic.saveProperties(DIALOG_FONT);
    EXPECT_EQ(std::get<int32_t>(saved.at(PROPERTY_ENABLED)), 0);
    EXPECT_EQ(std::get<int32_t>(saved.at(PROPERTY_VISIBLE)), 0); // the style, not 0/255
    EXPECT_EQ(std::get<int32_t>(saved.at(PROPERTY_FONT_COLOUR)), 0x123456);
    EXPECT_EQ(saved.count(PROPERTY_CAPTION), 0u);
    EXPECT_EQ(saved.count(PROPERTY_FIRST_RUN), 0u);
}

TEST(CommandProperties, CaptionCommandComesBackAsCommand1) {
    RecordingEvents events;
    CommandLogic first{events};
    first.loadProperties({}, DIALOG_FONT);
    first.writeCaption("Command");
    const PropertyBag saved = first.saveProperties(DIALOG_FONT);
    CommandLogic second{events};
    second.loadProperties(saved, DIALOG_FONT);
    EXPECT_EQ(second.readCaption(), "Command1");

    first.writeCaption("...");
    CommandLogic third{events};
    third.loadProperties(first.saveProperties(DIALOG_FONT), DIALOG_FONT);
    EXPECT_EQ(third.readCaption(), "...");
}

TEST(CommandProperties, CaptionAndFontWritesNotify) {
    RecordingEvents events;
    CommandLogic logic{events};
    logic.writeCaption("OK");
    logic.writeFont(DIALOG_FONT);
    EXPECT_EQ(events.notified, (std::vector<std::string>{"Caption", "Font"}));
    EXPECT_EQ(events.lastCaption.text, "OK");
    EXPECT_EQ(events.lastCaption.font, DIALOG_FONT);
    const PropertyBag saved = logic.saveProperties(FontDescription{});
    EXPECT_EQ(std::get<FontDescription>(saved.at(PROPERTY_FONT)), DIALOG_FONT);
    EXPECT_EQ(std::get<std::string>(saved.at(PROPERTY_CAPTION)), "OK");
}

} // namespace
} // namespace kestro

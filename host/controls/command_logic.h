#pragma once
// The behaviour of the Command button, apart from the window system: its
// state machine, its public properties with their side effects, and the load
// and save of its stored properties. It talks to its window through
// CommandEvents.

#include "host/controls/button_state.h"
#include "host/controls/command_events.h"
#include "host/controls/font_description.h"
#include "host/controls/property_bag.h"
#include "host/platform/bool16.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kestro {

constexpr unsigned POINTER_POLL_INTERVAL_MS = 100;

// Stored property names and the defaults the two directions use.
constexpr char PROPERTY_ENABLED[] = "Enabled";
constexpr char PROPERTY_CAPTION[] = "Caption";
constexpr char PROPERTY_FONT[] = "Font";
constexpr char PROPERTY_FIRST_RUN[] = "FirstRun";
constexpr char PROPERTY_FONT_COLOUR[] = "FontColour";
constexpr char PROPERTY_VISIBLE[] = "Visible";
constexpr char CAPTION_LOAD_DEFAULT[] = "Command1";
constexpr char CAPTION_SAVE_DEFAULT[] = "Command";
constexpr uint8_t FIRST_RUN_DEFAULT = 1;
constexpr uint32_t FONT_COLOUR_DEFAULT = 0;
constexpr int16_t BACKGROUND_OPAQUE = 1;
constexpr int16_t BACKGROUND_TRANSPARENT = 0;
constexpr uint8_t VISIBLE_READ_OPAQUE = 255;

enum class MouseButton : uint8_t { Left = 1, Right = 2, Middle = 4, Other = 8 };

// True for a colour the caption can take: an RGB value or a system colour.
bool isValidCaptionColour(uint32_t colour);

class CommandLogic {
  public:
    explicit CommandLogic(CommandEvents& events) : events_(events) {}

    void Initialize();

    // Handlers of the control's own window (the caption forwards to them).
    void onButtonDown(MouseButton button);
    void onPointerMove();
    void onButtonUp(MouseButton button);
    void onFocusGained();
    void onFocusLost();
    void onPointerPollTick();
    void onResize();

    // Stored properties: a missing key yields its default.
    void loadProperties(const PropertyBag& stored, const FontDescription& ambientFont);
    PropertyBag saveProperties(const FontDescription& ambientFont);

    // Public properties.
    uint8_t readVisible();
    void writeVisible(uint8_t value);
    uint32_t readFontColour();
    void writeFontColour(uint32_t value);
    int16_t readEnabled();
    void writeEnabled(int16_t value);
    const std::string& readCaption() const { return caption_.text; }
    void writeCaption(const std::string& value);
    const FontDescription& readFont() const { return caption_.font; }
    void writeFont(const FontDescription& value);

    ButtonState currentState() const { return currentState_; }
    int16_t isEnabled() const { return isEnabled_; }
    uint8_t firstRun() const { return firstRun_; }
    bool buttonHeld() const { return buttonHeld_ != BOOL16_FALSE; }
    bool invertGradient() const { return invertGradient_ != BOOL16_FALSE; }
    int16_t backgroundStyle() const { return backgroundStyle_; }
    const CaptionLabel& caption() const { return caption_; }

  private:
    bool paintSkin(Skin skin);
    void pointerLeft();
    void applyEnabled();
    void refreshLook();
    void setCaptionEnabled(bool enabled);
    void setCaptionColour(uint32_t colour);

    CommandEvents& events_;
    ButtonState currentState_ = ButtonState::Uninitialized;
    int16_t isEnabled_ = BOOL16_FALSE;
    uint8_t firstRun_ = 0;
    int16_t buttonHeld_ = BOOL16_FALSE;
    int16_t invertGradient_ = BOOL16_FALSE;
    int16_t backgroundStyle_ = BACKGROUND_OPAQUE;
    CaptionLabel caption_;
};

} // namespace kestro

#include "host/controls/command_logic.h"

namespace kestro {
namespace {

constexpr uint32_t OLE_COLOUR_KIND_MASK = 0xFF000000u;
constexpr uint32_t OLE_COLOUR_SYSTEM = 0x80000000u;
constexpr uint32_t OLE_COLOUR_INDEX_MASK = 0x00FFFFFFu;
constexpr uint32_t LAST_SYSTEM_COLOUR_INDEX = 30; // COLOR_MENUBAR

template <typename T> const T* storedValue(const PropertyBag& stored, const char* key) {
    const auto found = stored.find(key);
    if (found == stored.end())
        return nullptr;
    return std::get_if<T>(&found->second);
}

bool hasKey(const PropertyBag& stored, const char* key) {
    return stored.count(key) != 0;
}

int16_t asBool16(int32_t value) {
    return value != 0 ? BOOL16_TRUE : BOOL16_FALSE;
}

} // namespace

bool isValidCaptionColour(uint32_t colour) {
    const uint32_t kind = colour & OLE_COLOUR_KIND_MASK;
    if (kind == 0)
        return true;
    return kind == OLE_COLOUR_SYSTEM &&
           (colour & OLE_COLOUR_INDEX_MASK) <= LAST_SYSTEM_COLOUR_INDEX;
}

void CommandLogic::Initialize() {
    currentState_ = ButtonState::Normal;
    events_.startPointerPoll(POINTER_POLL_INTERVAL_MS);
}

void CommandLogic::onButtonDown(MouseButton button) {
    if (isEnabled_ == BOOL16_FALSE)
        return;
    if (button != MouseButton::Left)
        return;
    paintSkin(Skin::Pressed);
    buttonHeld_ = BOOL16_TRUE;
}

void CommandLogic::onPointerMove() {
    if (isEnabled_ == BOOL16_FALSE)
        return;
    if (currentState_ == ButtonState::Normal) {
        currentState_ = ButtonState::HighLight;
        paintSkin(Skin::HighLight);
    }
    if (currentState_ == ButtonState::Selected && buttonHeld_ == BOOL16_FALSE) {
        currentState_ = ButtonState::HighLightSelect;
        paintSkin(Skin::HighLightSelect);
    }
}

void CommandLogic::onButtonUp(MouseButton button) {
    if (isEnabled_ == BOOL16_FALSE)
        return;
    if (button == MouseButton::Left) {
        if (currentState_ == ButtonState::HighLight) {
            paintSkin(Skin::Normal);
        } else if (currentState_ == ButtonState::HighLightSelect) {
            paintSkin(Skin::HighLightSelect);
        }
        buttonHeld_ = BOOL16_FALSE;
    }
    // Only exactly True raises the event: a control enabled with another
    // non-zero value reacts to the mouse but never clicks.
    if (currentState_ != ButtonState::Selected && isEnabled_ == BOOL16_TRUE)
        events_.raiseClick();
}

void CommandLogic::onFocusGained() {
    if (isEnabled_ == BOOL16_FALSE)
        return;
    if (currentState_ == ButtonState::HighLight) {
        currentState_ = ButtonState::HighLightSelect;
        paintSkin(Skin::Pressed);
    } else {
        currentState_ = ButtonState::Selected;
        paintSkin(Skin::Selected);
    }
}

void CommandLogic::onFocusLost() {
    if (isEnabled_ == BOOL16_FALSE)
        return;
    if (currentState_ == ButtonState::Normal)
        return;
    currentState_ = ButtonState::Normal;
    paintSkin(Skin::Normal);
}

void CommandLogic::onPointerPollTick() {
    if (isEnabled_ == BOOL16_FALSE)
        return;
    // The caption has no window of its own, so the control's window is the
    // whole of it; any other window under the pointer means it has left.
    const PointerPlace place = events_.pointerPlace();
    if (place == PointerPlace::ParentForm) {
        pointerLeft();
        return;
    }
    if (place == PointerPlace::Elsewhere)
        pointerLeft();
}

void CommandLogic::onResize() {
    applyEnabled();
}

void CommandLogic::pointerLeft() {
    if (isEnabled_ == BOOL16_FALSE)
        return;
    if (currentState_ == ButtonState::HighLight) {
        currentState_ = ButtonState::Normal;
        paintSkin(Skin::Normal);
    }
    if (currentState_ == ButtonState::HighLightSelect) {
        currentState_ = ButtonState::Selected;
        paintSkin(Skin::Selected);
    }
}

void CommandLogic::applyEnabled() {
    if (isEnabled_ != BOOL16_FALSE) {
        paintSkin(Skin::Normal);
        setCaptionEnabled(true);
    } else {
        paintSkin(Skin::Disable);
        setCaptionEnabled(false);
    }
}

void CommandLogic::refreshLook() {
    if (isEnabled_ == BOOL16_FALSE)
        return;
    setCaptionEnabled(true);
    // Until the first read of Enabled the caption is kept black.
    if (firstRun_ == 0)
        setCaptionColour(CAPTION_BLACK);
    if (!paintSkin(Skin::Normal))
        setCaptionColour(CAPTION_BLACK);
}

bool CommandLogic::paintSkin(Skin skin) {
    // The face follows the state; HighLightSelect (and no state yet) keep the
    // face of the previous paint.
    switch (currentState_) {
    case ButtonState::Normal:
    case ButtonState::Selected:
        invertGradient_ = BOOL16_FALSE;
        break;
    case ButtonState::HighLight:
        invertGradient_ = BOOL16_TRUE;
        break;
    case ButtonState::HighLightSelect:
    case ButtonState::Uninitialized:
        break;
    }
    return events_.paintSkin(skin, invertGradient_ != BOOL16_FALSE);
}

void CommandLogic::setCaptionEnabled(bool enabled) {
    if (caption_.enabled == enabled)
        return;
    caption_.enabled = enabled;
    events_.captionChanged(caption_);
}

void CommandLogic::setCaptionColour(uint32_t colour) {
    if (caption_.colour == colour)
        return;
    caption_.colour = colour;
    events_.captionChanged(caption_);
}

uint8_t CommandLogic::readVisible() {
    if (backgroundStyle_ != BACKGROUND_OPAQUE)
        return 0;
    refreshLook();
    return VISIBLE_READ_OPAQUE;
}

void CommandLogic::writeVisible(uint8_t value) {
    if (value != 0) {
        backgroundStyle_ = BACKGROUND_OPAQUE;
        events_.setBackgroundOpaque(true);
        refreshLook();
    } else {
        backgroundStyle_ = BACKGROUND_TRANSPARENT;
        events_.setBackgroundOpaque(false);
    }
    events_.propertyChanged(PROPERTY_VISIBLE);
}

uint32_t CommandLogic::readFontColour() {
    const uint32_t colour = caption_.colour;
    refreshLook();
    return colour;
}

void CommandLogic::writeFontColour(uint32_t value) {
    if (!isValidCaptionColour(value)) {
        refreshLook();
        return;
    }
    setCaptionColour(value);
    refreshLook();
    events_.propertyChanged(PROPERTY_FONT_COLOUR);
}

int16_t CommandLogic::readEnabled() {
    if (firstRun_ == 0) {
        refreshLook();
        firstRun_ = 1;
        isEnabled_ = BOOL16_TRUE;
    }
    const int16_t result = isEnabled_;
    applyEnabled();
    return result;
}

void CommandLogic::writeEnabled(int16_t value) {
    isEnabled_ = value;
    events_.propertyChanged(PROPERTY_ENABLED);
    applyEnabled();
}

void CommandLogic::writeCaption(const std::string& value) {
    caption_.text = value;
    events_.captionChanged(caption_);
    events_.propertyChanged(PROPERTY_CAPTION);
}

void CommandLogic::writeFont(const FontDescription& value) {
    caption_.font = value;
    events_.captionChanged(caption_);
    events_.propertyChanged(PROPERTY_FONT);
}

void CommandLogic::loadProperties(const PropertyBag& stored, const FontDescription& ambientFont) {
    // A stored value of the wrong kind or out of range is skipped, as a
    // failing step, and the field keeps what it had.
    if (!hasKey(stored, PROPERTY_ENABLED)) {
        isEnabled_ = BOOL16_TRUE;
    } else if (const auto* enabled = storedValue<int32_t>(stored, PROPERTY_ENABLED)) {
        isEnabled_ = asBool16(*enabled);
    }

    if (!hasKey(stored, PROPERTY_CAPTION)) {
        caption_.text = CAPTION_LOAD_DEFAULT;
    } else if (const auto* text = storedValue<std::string>(stored, PROPERTY_CAPTION)) {
        caption_.text = *text;
    } else if (const auto* number = storedValue<int32_t>(stored, PROPERTY_CAPTION)) {
        caption_.text = std::to_string(*number);
    }

    if (!hasKey(stored, PROPERTY_FONT)) {
        caption_.font = ambientFont;
    } else if (const auto* font = storedValue<FontDescription>(stored, PROPERTY_FONT)) {
        caption_.font = *font;
    }

    if (!hasKey(stored, PROPERTY_FIRST_RUN)) {
        firstRun_ = FIRST_RUN_DEFAULT;
    } else if (const auto* firstRun = storedValue<int32_t>(stored, PROPERTY_FIRST_RUN)) {
        if (*firstRun >= 0 && *firstRun <= UINT8_MAX)
            firstRun_ = static_cast<uint8_t>(*firstRun);
    }

    if (!hasKey(stored, PROPERTY_FONT_COLOUR)) {
        caption_.colour = FONT_COLOUR_DEFAULT;
    } else if (const auto* colour = storedValue<int32_t>(stored, PROPERTY_FONT_COLOUR)) {
        const auto value = static_cast<uint32_t>(*colour);
        if (isValidCaptionColour(value))
            caption_.colour = value;
    }

    if (!hasKey(stored, PROPERTY_VISIBLE)) {
        backgroundStyle_ = BACKGROUND_OPAQUE;
    } else if (const auto* style = storedValue<int32_t>(stored, PROPERTY_VISIBLE)) {
        if (*style == BACKGROUND_OPAQUE || *style == BACKGROUND_TRANSPARENT) {
            backgroundStyle_ = static_cast<int16_t>(*style);
        }
    }
    events_.setBackgroundOpaque(backgroundStyle_ == BACKGROUND_OPAQUE);
    events_.captionChanged(caption_);

    refreshLook();
}

PropertyBag CommandLogic::saveProperties(const FontDescription& ambientFont) {
    PropertyBag stored;
    const int16_t enabled = asBool16(isEnabled_);
    if (enabled != BOOL16_TRUE)
        stored[PROPERTY_ENABLED] = int32_t{enabled};
    if (caption_.text != CAPTION_SAVE_DEFAULT)
        stored[PROPERTY_CAPTION] = caption_.text;
    if (firstRun_ != FIRST_RUN_DEFAULT)
        stored[PROPERTY_FIRST_RUN] = int32_t{firstRun_};
    if (caption_.font != ambientFont)
        stored[PROPERTY_FONT] = caption_.font;
    if (caption_.colour != FONT_COLOUR_DEFAULT) {
        stored[PROPERTY_FONT_COLOUR] = static_cast<int32_t>(caption_.colour);
    }
    if (backgroundStyle_ != BACKGROUND_OPAQUE)
        stored[PROPERTY_VISIBLE] = int32_t{backgroundStyle_};
    refreshLook();
    return stored;
}

} // namespace kestro

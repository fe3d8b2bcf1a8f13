#pragma once
// What the Command button's behaviour asks of the window that owns it:
// draw a skin, show the caption, poll the pointer, and raise its events.

#include <cstdint>
#include <string>
#include <string_view>

#include "host/controls/button_state.h"
#include "host/controls/font_description.h"

namespace kestro {

constexpr uint32_t CAPTION_BLACK = 0x000000;
constexpr char CAPTION_DESIGNED[] = "Command";

// Where the pointer poll found the pointer.
enum class PointerPlace : uint8_t { OwnWindow, ParentForm, Elsewhere, Unknown };

// The windowless caption element: text, font, colour, enabled look.
struct CaptionLabel {
    std::string text = CAPTION_DESIGNED; // ANSI bytes
    FontDescription font;
    uint32_t colour = CAPTION_BLACK; // 0x00BBGGRR or a system colour
    bool enabled = true;
};

class CommandEvents {
  public:
    virtual ~CommandEvents() = default;
    // Redraws the whole image with this skin's ring over the gradient face,
    // refreshes the window and places the caption. False when it could not draw.
    virtual bool paintSkin(Skin skin, bool invertGradient) = 0;
    // The caption element changed (text, font, colour or enabled look).
    virtual void captionChanged(const CaptionLabel& caption) = 0;
    virtual void setBackgroundOpaque(bool opaque) = 0;
    virtual void startPointerPoll(unsigned intervalMs) = 0;
    virtual PointerPlace pointerPlace() = 0;
    virtual void propertyChanged(std::string_view name) = 0;
    virtual void raiseClick() = 0;
};

} // namespace kestro

#pragma once
// Command: the host's skinned push button, a child window of its form.
//
// A container creates it at a twips rectangle, hands over its stored
// properties, calls Initialize once, and answers Click:
//
//     Command button;
//     PropertyBag stored{{"Caption", ansiText("設定")}, {"Font", dialogFont}};
//     button.create(formWindow, {4860, 3000, 1155, 375}, stored, dialogFont);
//     button.Click = [this] { save(); };
//     button.Initialize();
//     button.setEnabled(BOOL16_FALSE);
//
// The button draws itself into a persistent off-screen image and its window
// is refreshed from it; the caption is drawn over that image. Only a button
// release raises Click (any mouse button, while the state allows it); no key
// ever does.

#include <windows.h>

#include "host/controls/button_state.h"
#include "host/controls/font_description.h"
#include "host/controls/property_bag.h"
#include "host/platform/bool16.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace kestro {

// Designer geometry of a control, relative to its container's client area.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

class CommandLogic;
class CommandWindow;

class Command {
  public:
    Command();
    ~Command();
    Command(const Command&) = delete;
    Command& operator=(const Command&) = delete;

    // Creates the child window of `container` at `rect`, then loads the
    // stored properties (a missing key takes its default; `ambientFont` is
    // the default of "Font"). False when the window could not be created.
    bool create(HWND container, const TwipsRect& rect, const PropertyBag& stored,
                const FontDescription& ambientFont);
    HWND hwnd() const;

    // Starts the button: state Normal and the 100 ms pointer poll. Paints nothing.
    void Initialize();

    // The stored properties that differ from their defaults.
    PropertyBag saveProperties(const FontDescription& ambientFont);

    // Public properties. Reading some of them repaints the button.
    int16_t Enabled();
    void setEnabled(int16_t value);
    std::string Caption() const; // ANSI bytes
    FontDescription Font() const;
    void setFont(const FontDescription& value);
    uint32_t FontColour(); // 0x00BBGGRR, or a system colour 0x800000nn
    void setFontColour(uint32_t value);
    uint8_t Visible(); // 255 when the background is shown, else 0
    void setVisible(uint8_t value);

    ButtonState CurrentState() const;

    // Raised on a button release over (or captured by) the button.
    std::function<void()> Click;
    // The container's property-changed notification, with the property name.
    std::function<void(std::string_view)> PropertyChanged;

    // The persistent image the window is refreshed from (for reading back).
    HDC persistentImage() const;

  private:
    std::unique_ptr<CommandWindow> window_;
};

} // namespace kestro

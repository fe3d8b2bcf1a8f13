#pragma once
// A combo box with an editable text and a drop-down list, placed in its
// container's client area.

#include <windows.h>

#include <string>
#include <vector>

namespace kestro {

class FormComboBox {
  public:
    // rect: the closed box in pixels; listHeight: extra room for the dropped list.
    bool create(HWND container, const RECT& rect, int listHeight, HFONT font);
    HWND hwnd() const { return hwnd_; }

    // Shown texts are UTF-8; what the user typed comes back in the system
    // code page, as the settings store it.
    void setText(const std::string& utf8Text);
    std::string text() const;
    void addItems(const std::vector<std::string>& utf8Items);
    void setEnabled(bool enabled);
    // Puts the keyboard focus in the text and selects all of it.
    void focusText();

  private:
    HWND hwnd_ = nullptr;
};

} // namespace kestro

#include "host/forms/form_combo_box_win32.h"

#include <algorithm>

#include "host/platform/wide_text_win32.h"

namespace kestro {

namespace {
constexpr int MINIMUM_SELECTION_HEIGHT = 8;
} // namespace

bool FormComboBox::create(HWND container, const RECT& rect, int listHeight, HFONT font) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    hwnd_ = CreateWindowExW(0, L"COMBOBOX", L"",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN |
                                CBS_AUTOHSCROLL,
                            rect.left, rect.top, width, height + listHeight, container, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_)
        return false;
    if (font)
        SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    // The closed box takes the designer's height whatever the font: the
    // selection field is what remains inside the frame.
    RECT closed{};
    GetWindowRect(hwnd_, &closed);
    const LRESULT field = SendMessageA(hwnd_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    if (field != CB_ERR) {
        const int frame = (closed.bottom - closed.top) - static_cast<int>(field);
        const int wanted = std::max(MINIMUM_SELECTION_HEIGHT, height - frame);
        SendMessageA(hwnd_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), wanted);
    }
    return true;
}

void FormComboBox::setText(const std::string& utf8Text) {
    if (hwnd_)
        SetWindowTextW(hwnd_, wideText(utf8Text).c_str());
}

std::string FormComboBox::text() const {
    if (!hwnd_)
        return {};
    const int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
    const int copied = GetWindowTextA(hwnd_, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}

void FormComboBox::addItems(const std::vector<std::string>& utf8Items) {
    if (!hwnd_)
        return;
    for (const std::string& item : utf8Items) {
        const std::wstring wide = wideText(item);
        SendMessageW(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
}

void FormComboBox::setEnabled(bool enabled) {
    if (hwnd_)
        EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

void FormComboBox::focusText() {
    if (!hwnd_)
        return;
    SetFocus(hwnd_);
    SendMessageA(hwnd_, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

} // namespace kestro

#include "host/forms/form_link_label_win32.h"

namespace kestro {

bool FormLinkLabel::handleSetCursor(HWND container, LPARAM lParam, LRESULT& result) const {
    POINT cursor{};
    if (LOWORD(lParam) != HTCLIENT || !cursor_ || !GetCursorPos(&cursor) ||
        !ScreenToClient(container, &cursor) || !contains(cursor))
        return false;
    SetCursor(cursor_);
    result = TRUE;
    return true;
}

void FormLinkLabel::handleButtonDown(HWND container, POINT point) {
    pressed_ = contains(point);
    if (pressed_)
        SetCapture(container);
}

void FormLinkLabel::handleButtonUp(HWND container, POINT point) {
    const bool clicked = pressed_ && contains(point);
    pressed_ = false;
    if (GetCapture() == container)
        ReleaseCapture();
    if (clicked && Click)
        Click();
}

} // namespace kestro

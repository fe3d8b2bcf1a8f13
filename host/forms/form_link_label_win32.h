#pragma once
// A windowless label that works as a link: the pointer turns into the link
// cursor over it, and a press and release both on the label is a click.
// Its container hands it the mouse messages it receives.

#include <functional>

#include "host/forms/form_label_win32.h"

namespace kestro {

class FormLinkLabel : public FormLabel {
  public:
    void setCursor(HCURSOR cursor) { cursor_ = cursor; } // not owned
    std::function<void()> Click;

    // WM_SETCURSOR: shows the link cursor while the pointer is over the
    // label; true (result set) when it did.
    bool handleSetCursor(HWND container, LPARAM lParam, LRESULT& result) const;
    // WM_LBUTTONDOWN and WM_LBUTTONUP at the point in the container's client
    // area. The press captures the mouse, so the release is seen wherever
    // it happens; only a release over the label clicks.
    void handleButtonDown(HWND container, POINT point);
    void handleButtonUp(HWND container, POINT point);

  private:
    HCURSOR cursor_ = nullptr;
    bool pressed_ = false;
};

} // namespace kestro

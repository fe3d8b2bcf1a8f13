#pragma once
// Kestrovalinde_R: the borderless black window that shows the preview
// picture inside the display settings' preview area. Kestrovalinde_R and
// Img_Prev are the designer's names for the window and its picture control.

#include <memory>

#include "host/forms/form_image_win32.h"
#include "host/forms/form_window_win32.h"
#include "host/forms/windowless_control_win32.h"

namespace kestro {

constexpr char PREVIEW_WINDOW_TITLE[] = "Preview Window";

class PreviewWindow : public FormWindow {
  public:
    ~PreviewWindow() override;

    // Creates the window hidden, as a pop-up at (0, 0). False when it cannot.
    bool create();
    // Places the picture control Img_Prev at (0, 0) with the given pixel size.
    void sizeImage(int widthPixels, int heightPixels);

  protected:
    void onLoad() override;
    void onPaint(HDC dc) override { layer_.paint(dc); }
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    HBITMAP picture_ = nullptr;
    FormImage image_; // Img_Prev
    WindowlessLayer layer_;
};

// Makes the preview window a child of the preview area, sized to fill it,
// and shows it. Each step that fails is skipped. Without a preview area to
// live in, no preview window is made at all (null): a hidden, parentless one
// would keep the process alive with nothing that could ever close it.
std::unique_ptr<PreviewWindow> EmbedPreview(HWND previewArea);

} // namespace kestro

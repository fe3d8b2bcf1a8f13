#include "host/screens/preview_window.h"

#include "host/forms/form_image.h"
#include "host/forms/form_window.h"
#include "host/forms/windowless_control.h"

namespace kestro {

namespace {

// resources/preview_picture.rc
constexpr char PREVIEW_PICTURE_RESOURCE[] = "PREVIEW_PICTURE";
constexpr COLORREF PREVIEW_BACKGROUND = RGB(0, 0, 0);

// Kestrovalinde_R: black, with the picture control Img_Prev in it.
class PreviewWindow : public FormWindow {
  public:
    ~PreviewWindow() override {
        if (picture_)
            DeleteObject(picture_);
    }

    void sizeImage(int widthPixels, int heightPixels) {
        image_.place(RECT{0, 0, widthPixels, heightPixels});
        if (hwnd())
            InvalidateRect(hwnd(), nullptr, TRUE);
    }

  protected:
    void onLoad() override {
        picture_ = loadBitmapResource(PREVIEW_PICTURE_RESOURCE);
        image_.setPicture(picture_);
        layer_.add(image_);
    }

    void onPaint(HDC dc) override { layer_.paint(dc); }

    bool onMessage(UINT message, WPARAM, LPARAM lParam, LRESULT&) override {
        // Start-up makes the window a child by adding WS_CHILD to the style
        // it was created with; a window cannot be both a pop-up and a child.
        if (message == WM_STYLECHANGING) {
            auto* change = reinterpret_cast<STYLESTRUCT*>(lParam);
            if (change->styleNew & WS_CHILD)
                change->styleNew &= ~WS_POPUP;
        }
        return false;
    }

  private:
    HBITMAP picture_ = nullptr;
    FormImage image_; // Img_Prev
    WindowlessLayer layer_;
};

PreviewWindow previewWindow;

} // namespace

HWND CreatePreviewWindow() {
    FormPlacement placement;
    placement.title = PREVIEW_WINDOW_TITLE;
    placement.style = WS_POPUP | WS_CLIPSIBLINGS;
    placement.x = 0;
    placement.y = 0;
    placement.background = PREVIEW_BACKGROUND;
    return previewWindow.create(placement) ? previewWindow.hwnd() : nullptr;
}

void SizePreviewImage(int widthPixels, int heightPixels) {
    previewWindow.sizeImage(widthPixels, heightPixels);
}

} // namespace kestro

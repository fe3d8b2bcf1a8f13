#include "host/screens/preview_window_win32.h"

#include "host/forms/twips.h"

namespace kestro {

namespace {
// resources/preview_picture.rc
constexpr char PREVIEW_PICTURE_RESOURCE[] = "PREVIEW_PICTURE";
constexpr COLORREF PREVIEW_BACKGROUND = RGB(0, 0, 0);
} // namespace

PreviewWindow::~PreviewWindow() {
    if (picture_)
        DeleteObject(picture_);
}

bool PreviewWindow::create() {
    FormPlacement placement;
    placement.title = PREVIEW_WINDOW_TITLE;
    placement.style = WS_POPUP | WS_CLIPSIBLINGS;
    placement.x = 0;
    placement.y = 0;
    placement.background = PREVIEW_BACKGROUND;
    return FormWindow::create(placement);
}

void PreviewWindow::sizeImage(int widthPixels, int heightPixels) {
    image_.place(RECT{0, 0, widthPixels, heightPixels});
    if (hwnd())
        InvalidateRect(hwnd(), nullptr, TRUE);
}

void PreviewWindow::onLoad() {
    picture_ = loadBitmapResource(PREVIEW_PICTURE_RESOURCE);
    image_.setPicture(picture_);
    layer_.add(image_);
}

bool PreviewWindow::onMessage(UINT message, WPARAM, LPARAM lParam, LRESULT&) {
    // Embedding makes the window a child by adding WS_CHILD to the style it
    // was created with; a window cannot be both a pop-up and a child.
    if (message == WM_STYLECHANGING) {
        auto* change = reinterpret_cast<STYLESTRUCT*>(lParam);
        if (change->styleNew & WS_CHILD)
            change->styleNew &= ~WS_POPUP;
    }
    return false;
}

std::unique_ptr<PreviewWindow> EmbedPreview(HWND previewArea) {
    if (!previewArea || !IsWindow(previewArea))
        return nullptr;
    int widthPixels = 0;
    int heightPixels = 0;
    RECT area{};
    if (GetWindowRect(previewArea, &area)) {
        widthPixels = area.right - area.left;
        heightPixels = area.bottom - area.top;
    }
    // The size passes through twips, as the designer's forms measure it.
    const int16_t widthTwips = twipsFromPixels16(widthPixels, screenTwipsPerPixelX()).value_or(0);
    const int16_t heightTwips = twipsFromPixels16(heightPixels, screenTwipsPerPixelY()).value_or(0);

    auto preview = std::make_unique<PreviewWindow>();
    if (!preview->create())
        return nullptr;
    HWND window = preview->hwnd();
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_CHILD);
    SetParent(window, previewArea);
    MoveWindow(window, 0, 0, pixelsFromTwips(widthTwips, screenTwipsPerPixelX()),
               pixelsFromTwips(heightTwips, screenTwipsPerPixelY()), FALSE);
    preview->sizeImage(widthPixels, heightPixels);
    ShowWindow(window, SW_SHOWNA);
    return preview;
}

} // namespace kestro

#include "host/screens/preview_window.h"

#include "host/forms/form_window.h"

namespace kestro {

namespace {

class PreviewWindow : public FormWindow {};

PreviewWindow previewWindow;

} // namespace

HWND CreatePreviewWindow() {
    FormPlacement placement;
    placement.title = PREVIEW_WINDOW_TITLE;
    placement.style = WS_POPUP;
    placement.background = RGB(0, 0, 0);
    return previewWindow.create(placement) ? previewWindow.hwnd() : nullptr;
}

void SizePreviewImage(int, int) {}

} // namespace kestro

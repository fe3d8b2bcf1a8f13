#include "host/settings/band_painter_win32.h"

#include "host/forms/offscreen_paint_win32.h"

namespace kestro {

void paintBand(HDC dc, int width, int height, BandColour colourOfRow) {
    const int savedState = SaveDC(dc);
    SelectObject(dc, GetStockObject(DC_PEN));
    // Rows 0 to height inclusive, as the band is defined; the last lies just
    // outside the client area.
    for (int row = 0; row <= height; ++row) {
        const RgbColour colour = colourOfRow(row, height);
        SetDCPenColor(dc, RGB(colour.red, colour.green, colour.blue));
        MoveToEx(dc, 0, row, nullptr);
        LineTo(dc, width, row);
    }
    RestoreDC(dc, savedState);
}

void paintBandedWindow(HWND window, HDC dc, BandColour colourOfRow,
                       const WindowlessLayer& controls) {
    paintOffscreen(window, dc, [&](HDC image) {
        RECT client{};
        GetClientRect(window, &client);
        paintBand(image, client.right, client.bottom, colourOfRow);
        controls.paint(image);
    });
}

} // namespace kestro

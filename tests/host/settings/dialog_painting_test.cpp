// The dialog's painting pieces drawn into a memory image and read back: the
// sine band, marks shown unscaled and cut at their bounds, the heading frame,
// labels over the band.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>

#include "host/forms/form_font_win32.h"
#include "host/forms/form_image_win32.h"
#include "host/forms/form_label_win32.h"
#include "host/forms/form_shape_win32.h"
#include "host/settings/band_painter_win32.h"
#include "tests/support/memory_canvas_win32.h"

namespace kestro {
namespace {

constexpr COLORREF GROUND = RGB(255, 0, 0);

// A canvas on the ground colour.
class Canvas : public testing::MemoryCanvas {
  public:
    Canvas(int width, int height) : MemoryCanvas(width, height, GROUND) {}
};

HBITMAP solidBitmap(int width, int height, COLORREF colour) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    RECT all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

TEST(BandPainter, EveryRowIsOneColourFromTheBandFormula) {
    Canvas canvas(40, 243);
    paintBand(canvas.dc(), canvas.width(), canvas.height(), &WindowBandColour);
    EXPECT_EQ(canvas.at(0, 0), RGB(0, 0, 30));
    EXPECT_EQ(canvas.at(39, 121), RGB(220, 220, 250));
    EXPECT_EQ(canvas.at(20, 242), RGB(3, 3, 33));
    for (int y = 0; y < canvas.height(); ++y) {
        const RgbColour c = WindowBandColour(y, canvas.height());
        ASSERT_EQ(canvas.countOf(RGB(c.red, c.green, c.blue), RECT{0, y, 40, y + 1}), 40) << y;
    }
}

TEST(FormImage, ShowsItsPictureUnscaledAndCutAtItsBounds) {
    Canvas canvas(40, 40);
    HBITMAP picture = solidBitmap(12, 12, RGB(0, 0, 255));
    FormImage mark;
    mark.setPicture(picture);
    mark.place(RECT{5, 5, 18, 18}); // 13 x 13, one pixel more than the picture
    mark.paint(canvas.dc());
    EXPECT_EQ(canvas.countOf(RGB(0, 0, 255), RECT{0, 0, 40, 40}), 144);
    EXPECT_EQ(canvas.at(5, 5), RGB(0, 0, 255));
    EXPECT_EQ(canvas.at(16, 16), RGB(0, 0, 255));
    EXPECT_EQ(canvas.at(17, 17), GROUND);

    Canvas small(40, 40);
    mark.place(RECT{2, 3, 8, 7}); // smaller than the picture: its top-left part
    mark.paint(small.dc());
    EXPECT_EQ(small.countOf(RGB(0, 0, 255), RECT{0, 0, 40, 40}), 24);
    DeleteObject(picture);
}

TEST(FormShape, DrawsAOnePixelOutlineInsideItsBounds) {
    Canvas canvas(40, 30);
    FormShape frame;
    frame.place(RECT{4, 4, 24, 14});
    frame.paint(canvas.dc());
    const COLORREF black = RGB(0, 0, 0);
    EXPECT_EQ(canvas.at(4, 4), black);
    EXPECT_EQ(canvas.at(23, 13), black);
    EXPECT_EQ(canvas.at(24, 14), GROUND);
    EXPECT_EQ(canvas.at(10, 8), GROUND); // not filled
    EXPECT_EQ(canvas.countOf(black, RECT{0, 0, 40, 30}), 2 * 20 + 2 * 8);
}

TEST(FormLabel, DrawsTransparentTextInItsColourOverTheGround) {
    Canvas canvas(120, 30);
    HFONT font = createFormFont({"Tahoma", 9.75, DEFAULT_CHARSET});
    FormLabel label;
    label.place(RECT{10, 5, 110, 18});
    label.setFont(font);
    label.setText("Kestrovalinde");
    label.setColour(RGB(255, 255, 255));
    label.paint(canvas.dc());
    EXPECT_GT(canvas.countOf(RGB(255, 255, 255), RECT{10, 5, 110, 18}), 10);
    EXPECT_EQ(canvas.countOf(RGB(255, 255, 255), RECT{0, 18, 120, 30}), 0);
    EXPECT_EQ(canvas.at(0, 0), GROUND); // no background of its own
    DeleteObject(font);
}

TEST(FormLabel, AOneLineLabelKeepsItsWholeTextOnOneLine) {
    Canvas canvas(200, 40);
    FormLabel label;
    label.place(RECT{0, 0, 20, 13}); // far too narrow for the text
    label.setText("wide text on one line");
    label.setColour(RGB(0, 0, 0));
    label.paint(canvas.dc());
    EXPECT_GT(canvas.countOf(RGB(0, 0, 0), RECT{40, 0, 200, 13}), 0) << "continues to the right";
    EXPECT_EQ(canvas.countOf(RGB(0, 0, 0), RECT{0, 16, 200, 40}), 0) << "no second line";
}

TEST(FormLabel, ATallerLabelWrapsAndStaysInsideItsFrame) {
    Canvas canvas(200, 60);
    FormLabel label;
    label.place(RECT{0, 0, 80, 40});
    label.setBorder(true);
    label.setText("C:\\a_rather_long_folder_name\\another_folder\\music.mp3");
    label.setColour(RGB(0, 0, 255));
    label.paint(canvas.dc());
    EXPECT_EQ(canvas.at(0, 0), RGB(0, 0, 0)); // the frame
    EXPECT_EQ(canvas.at(79, 39), RGB(0, 0, 0));
    EXPECT_GT(canvas.countOf(RGB(0, 0, 255), RECT{0, 20, 80, 40}), 0)
        << "wrapped onto a second line";
    EXPECT_EQ(canvas.countOf(RGB(0, 0, 255), RECT{80, 0, 200, 60}), 0) << "cut at the bounds";
}

} // namespace
} // namespace kestro

// The button's painting on real GDI under Wine: the face gradient, the ring
// pieces copied from the skin resources, and what the window shows.

#include "tests/host/controls/command_win32_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace kestro {
namespace {

using namespace kestro::testing;

constexpr uint32_t FACE_LIGHT = 0xFFFFFF;
constexpr uint32_t FACE_SHADE = 0xC6C5D7;
constexpr uint32_t BORDER_LINE = 0x003C74;
constexpr uint32_t SURROUND = 0xECE9D8;
constexpr COLORREF MAGENTA = RGB(255, 0, 255);
constexpr int RING = 4;
constexpr int ALL_SKINS[] = {0, 1, 2, 3, 4, 5};

// The face's expected colour on row y of a control h pixels high.
uint32_t faceAt(int y, int h, bool inverted) {
    const uint32_t top = inverted ? FACE_SHADE : FACE_LIGHT;
    const uint32_t bottom = inverted ? FACE_LIGHT : FACE_SHADE;
    uint32_t out = 0;
    for (int shift : {16, 8, 0}) {
        const int a = channel(top, shift), b = channel(bottom, shift);
        out |= static_cast<uint32_t>(a + (b - a) * y / (h - 1)) << shift;
    }
    return out;
}

// The ring of a w x h control against the skin: corners as they are, edges
// uniform along their stretch, sides unstretched when h is 25.
void expectRing(HDC image, int w, int h, Skin skin) {
    SkinPixels pixels(skin);
    for (int j = 0; j < RING; ++j) {
        for (int i = 0; i < RING; ++i) {
            ASSERT_EQ(rgbAt(image, i, j), pixels.at(i, j)) << "top-left " << i << "," << j;
            ASSERT_EQ(rgbAt(image, w - RING + i, j), pixels.at(60 + i, j)) << "top-right";
            ASSERT_EQ(rgbAt(image, i, h - RING + j), pixels.at(i, 21 + j)) << "bottom-left";
            ASSERT_EQ(rgbAt(image, w - RING + i, h - RING + j), pixels.at(60 + i, 21 + j))
                << "bottom-right";
        }
        for (int x = RING; x < w - RING; ++x) {
            ASSERT_EQ(rgbAt(image, x, j), pixels.at(30, j)) << "top edge " << x << "," << j;
            ASSERT_EQ(rgbAt(image, x, h - RING + j), pixels.at(30, 21 + j)) << "bottom edge " << x;
        }
    }
    for (int y = RING; y < h - RING; ++y) {
        for (int i = 0; i < RING; ++i) {
            if (h == SKIN_HEIGHT_PIXELS) {
                ASSERT_EQ(rgbAt(image, i, y), pixels.at(i, y)) << "left side " << i << "," << y;
                ASSERT_EQ(rgbAt(image, w - RING + i, y), pixels.at(60 + i, y)) << "right side";
            } else {
                // Shrunk sides: every pixel is one of the side's own rows.
                bool found = false;
                for (int sy = RING; sy <= 20 && !found; ++sy)
                    found = rgbAt(image, i, y) == pixels.at(i, sy);
                ASSERT_TRUE(found) << "left side " << i << "," << y;
            }
        }
    }
}

void expectFace(HDC image, int w, int h, bool inverted) {
    for (int y = RING; y < h - RING; ++y) {
        for (int x : {RING, w / 2, w - RING - 1}) {
            ASSERT_TRUE(closeTo(rgbAt(image, x, y), faceAt(y, h, inverted), 2))
                << "face " << x << "," << y << " is " << std::hex << rgbAt(image, x, y);
        }
    }
}

TEST(SkinResources, SixBitmapsOf64By25At24Bits) {
    for (int s : ALL_SKINS) {
        HBITMAP bitmap = skinBitmap(static_cast<Skin>(s));
        ASSERT_NE(bitmap, nullptr) << s;
        BITMAP info{};
        ASSERT_EQ(GetObjectA(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
        EXPECT_EQ(info.bmWidth, 64);
        EXPECT_EQ(info.bmHeight, 25);
        EXPECT_EQ(info.bmBitsPixel, 24);
    }
}

TEST(FillGradient, VerticalFaceLeavesTheLastColumnAndRow) {
    for (bool inverted : {false, true}) {
        SCOPED_TRACE(inverted ? "inverted" : "plain");
        MemoryImage image(77, 25, MAGENTA);
        fillGradient(image.dc(), 77, 25, inverted);
        for (int x : {0, 38, 75}) {
            EXPECT_EQ(rgbAt(image.dc(), x, 0), inverted ? FACE_SHADE : FACE_LIGHT);
            EXPECT_TRUE(closeTo(rgbAt(image.dc(), x, 23), inverted ? FACE_LIGHT : FACE_SHADE, 3));
        }
        for (int y = 0; y < 25; ++y)
            EXPECT_EQ(rgbAt(image.dc(), 76, y), 0xFF00FFu) << y;
        for (int x = 0; x < 77; ++x)
            EXPECT_EQ(rgbAt(image.dc(), x, 24), 0xFF00FFu) << x;
        for (int y = 1; y < 24; ++y) {
            const int step =
                channel(rgbAt(image.dc(), 10, y), 16) - channel(rgbAt(image.dc(), 10, y - 1), 16);
            EXPECT_TRUE(inverted ? step >= 0 : step <= 0) << y;
        }
    }
}

TEST(PaintSkinImage, EverySkinAtSkinSizeShowsItsOwnRingOverTheFace) {
    for (int s : ALL_SKINS) {
        const Skin skin = static_cast<Skin>(s);
        SCOPED_TRACE(s);
        MemoryImage image(64, 25, MAGENTA);
        SkinLayout layout;
        ASSERT_TRUE(paintSkinImage({image.dc(), 64, 25, 15, MAGENTA}, skin, false, layout));
        expectRing(image.dc(), 64, 25, skin);
        expectFace(image.dc(), 64, 25, false);
        // The image's interior never shows: the face is the gradient.
        EXPECT_NE(rgbAt(image.dc(), 30, 12), SkinPixels(skin).at(30, 12));
    }
}

TEST(PaintSkinImage, WiderAndSmallerControlsKeepCornersAndStretchEdges) {
    for (int s : ALL_SKINS) {
        const Skin skin = static_cast<Skin>(s);
        SCOPED_TRACE(s);
        MemoryImage wide(77, 25, MAGENTA);
        SkinLayout layout;
        ASSERT_TRUE(paintSkinImage({wide.dc(), 77, 25, 15, MAGENTA}, skin, true, layout));
        expectRing(wide.dc(), 77, 25, skin);
        expectFace(wide.dc(), 77, 25, true);
        EXPECT_EQ(layout.caption.y, 5);

        MemoryImage small(41, 21, MAGENTA);
        ASSERT_TRUE(paintSkinImage({small.dc(), 41, 21, 15, MAGENTA}, skin, false, layout));
        expectRing(small.dc(), 41, 21, skin);
        expectFace(small.dc(), 41, 21, false);
        EXPECT_EQ(layout.caption.y, 3);
    }
}

TEST(PaintSkinImage, HighLightAndHighLightSelectLookTheSame) {
    MemoryImage a(77, 25, MAGENTA), b(77, 25, MAGENTA);
    SkinLayout layout;
    paintSkinImage({a.dc(), 77, 25, 15, MAGENTA}, Skin::HighLight, true, layout);
    paintSkinImage({b.dc(), 77, 25, 15, MAGENTA}, Skin::HighLightSelect, true, layout);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 77; ++x)
            ASSERT_EQ(rgbAt(a.dc(), x, y), rgbAt(b.dc(), x, y)) << x << "," << y;
}

// A Command on a visible form, 77 x 25 pixels, loaded and initialised.
class CommandOnForm : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(host, nullptr);
        ASSERT_TRUE(button.create(host, {150, 150, 1155, 375},
                                  {{"Caption", std::string("OK")}, {"Font", dialogFont()}},
                                  dialogFont()));
        button.Click = [this] { ++clicks; };
        button.Initialize();
        pumpMessages(20);
    }
    HDC image() const { return button.persistentImage(); }

    HWND host = sharedHostWindow();
    Command button;
    int clicks = 0;
};

TEST_F(CommandOnForm, PlacedAtItsTwipsRectangle) {
    RECT rect{};
    GetWindowRect(button.hwnd(), &rect);
    MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 10);
    EXPECT_EQ(rect.top, 10);
    EXPECT_EQ(rect.right - rect.left, 77);
    EXPECT_EQ(rect.bottom - rect.top, 25);
}

TEST_F(CommandOnForm, LooksFollowTheStates) {
    expectRing(image(), 77, 25, Skin::Normal);
    expectFace(image(), 77, 25, false);

    SendMessageA(button.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(button.CurrentState(), ButtonState::HighLight);
    expectRing(image(), 77, 25, Skin::HighLight);
    expectFace(image(), 77, 25, true);

    SetFocus(button.hwnd()); // focus while hovered: the pressed ring, one pixel in
    ASSERT_EQ(GetFocus(), button.hwnd());
    EXPECT_EQ(button.CurrentState(), ButtonState::HighLightSelect);
    expectRing(image(), 77, 25, Skin::Pressed);
    expectFace(image(), 77, 25, true);
    EXPECT_EQ(rgbAt(image(), 38, 0), SURROUND);
    EXPECT_EQ(rgbAt(image(), 38, 2), BORDER_LINE);
    EXPECT_EQ(rgbAt(image(), 2, 12), BORDER_LINE);
    EXPECT_EQ(rgbAt(image(), 74, 12), BORDER_LINE);

    SetFocus(host); // Normal after HighLight: white at the top again
    EXPECT_EQ(button.CurrentState(), ButtonState::Normal);
    expectRing(image(), 77, 25, Skin::Normal);
    expectFace(image(), 77, 25, false);

    button.setEnabled(BOOL16_FALSE);
    expectRing(image(), 77, 25, Skin::Disable);
}

TEST_F(CommandOnForm, WindowShowsTheImageWithTheCaptionOnTop) {
    HDC window = GetDC(button.hwnd());
    ASSERT_NE(window, nullptr);
    int captionPixels = 0;
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 77; ++x) {
            const bool inCaption = y >= 5 && y < 5 + 13;
            if (rgbAt(window, x, y) != rgbAt(image(), x, y)) {
                ASSERT_TRUE(inCaption) << "outside the caption at " << x << "," << y;
                ++captionPixels;
            }
        }
    }
    ReleaseDC(button.hwnd(), window);
    EXPECT_GT(captionPixels, 10); // "OK" drawn over the face
}

// The darkest and the reddest caption pixel the window shows.
struct CaptionInk {
    int darkest = 255 * 3;
    int reddest = -255;
};

CaptionInk captionInk(HWND window) {
    CaptionInk ink;
    HDC dc = GetDC(window);
    for (int y = 5; y < 5 + 13; ++y) {
        for (int x = 0; x < 77; ++x) {
            const uint32_t rgb = rgbAt(dc, x, y);
            const int r = channel(rgb, 16), g = channel(rgb, 8), b = channel(rgb, 0);
            ink.darkest = std::min(ink.darkest, r + g + b);
            ink.reddest = std::max(ink.reddest, r - (g + b) / 2);
        }
    }
    ReleaseDC(window, dc);
    return ink;
}

TEST_F(CommandOnForm, CaptionTakesItsColourAndGreysWhenDisabled) {
    EXPECT_LT(captionInk(button.hwnd()).darkest, 3 * 64); // black text
    button.setFontColour(RGB(255, 0, 0));
    EXPECT_GT(captionInk(button.hwnd()).reddest, 128);
    button.setEnabled(BOOL16_FALSE);
    const CaptionInk greyed = captionInk(button.hwnd());
    EXPECT_GT(greyed.darkest, 3 * 64);
    EXPECT_LT(greyed.reddest, 40);
}

TEST_F(CommandOnForm, TransparentBackgroundLeavesOnlyTheCaption) {
    button.setVisible(0);
    pumpMessages(20);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(button.hwnd(), region), ERROR);
    RECT box{};
    GetRgnBox(region, &box);
    EXPECT_GE(box.top, 5);
    EXPECT_LE(box.bottom, 5 + 13 + 1);
    EXPECT_GT(box.right - box.left, 0);
    EXPECT_LT(box.right - box.left, 40);
    EXPECT_EQ(button.Visible(), 0);

    button.setVisible(1);
    EXPECT_EQ(GetWindowRgn(button.hwnd(), region), ERROR); // no region: the whole window
    EXPECT_EQ(button.Visible(), 255);
    DeleteObject(region);
}

} // namespace
} // namespace kestro

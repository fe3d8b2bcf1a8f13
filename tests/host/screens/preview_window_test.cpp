// The preview window embedded in a preview area, inside one process so
// that its pixels can be read back: the picture unscaled from the top-left
// corner, black beyond it, nothing of the preview area's own colour.
#include "host/screens/preview_window_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

#include "host/forms/form_image_win32.h"
#include "tests/support/memory_canvas_win32.h"

namespace kestro {
namespace {

constexpr int PICTURE_WIDTH = 152;
constexpr int PICTURE_HEIGHT = 112;
constexpr COLORREF AREA_COLOUR = RGB(255, 0, 255);
constexpr char AREA_CLASS[] = "KestroTestPreviewArea";

struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colours; // top row first
    COLORREF at(int x, int y) const { return colours[static_cast<size_t>(y) * width + x]; }
};

// Copies what a device context shows.
Pixels readBack(HDC source, int width, int height) {
    const testing::MemoryCanvas canvas(width, height, RGB(0, 0, 0));
    BitBlt(canvas.dc(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    Pixels pixels{width, height, {}};
    pixels.colours.reserve(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            pixels.colours.push_back(canvas.at(x, y));
    }
    return pixels;
}

Pixels pictureResource() {
    HBITMAP picture = loadBitmapResource("PREVIEW_PICTURE");
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, picture);
    Pixels pixels = readBack(memory, PICTURE_WIDTH, PICTURE_HEIGHT);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    DeleteObject(picture);
    return pixels;
}

void pumpMessages() {
    for (int round = 0; round < 20; ++round) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
        Sleep(10);
    }
}

HWND createArea(int width, int height) {
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = CreateSolidBrush(AREA_COLOUR);
        windowClass.lpszClassName = AREA_CLASS;
        return RegisterClassA(&windowClass) != 0;
    }();
    if (!registered)
        return nullptr;
    HWND area =
        CreateWindowExA(0, AREA_CLASS, "area", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 50, 50,
                        width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    pumpMessages();
    return area;
}

class PreviewWindowTest : public ::testing::Test {
  protected:
    // Embeds a new preview window in the area and lets it paint.
    HWND embed(HWND area) {
        embedded = EmbedPreview(area);
        pumpMessages();
        return embedded ? embedded->hwnd() : nullptr;
    }
    std::unique_ptr<PreviewWindow> embedded;
};

TEST_F(PreviewWindowTest, IsCreatedHiddenBorderlessAndTitled) {
    PreviewWindow window;
    ASSERT_TRUE(window.create());
    HWND preview = window.hwnd();
    EXPECT_FALSE(IsWindowVisible(preview));
    const LONG style = GetWindowLongA(preview, GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_BORDER), 0);
    char title[64] = {};
    GetWindowTextA(preview, title, sizeof title);
    EXPECT_STREQ(title, "Preview Window");
}

TEST_F(PreviewWindowTest, NoAreaMakesNoWindow) {
    EXPECT_EQ(EmbedPreview(nullptr), nullptr);
    HWND area = createArea(40, 30);
    ASSERT_NE(area, nullptr);
    DestroyWindow(area);
    EXPECT_EQ(EmbedPreview(area), nullptr) << "a handle that is no window any more";
}

TEST_F(PreviewWindowTest, UsualAreaShowsTheWholePictureAndNothingElse) {
    HWND area = createArea(PICTURE_WIDTH, PICTURE_HEIGHT);
    ASSERT_NE(area, nullptr);
    HWND preview = embed(area);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(GetParent(preview), area);
    EXPECT_EQ(GetWindowLongA(preview, GWL_STYLE) & WS_POPUP, 0) << "a child, not a pop-up";

    HDC dc = GetDC(area);
    const Pixels shown = readBack(dc, PICTURE_WIDTH, PICTURE_HEIGHT);
    ReleaseDC(area, dc);
    const Pixels picture = pictureResource();
    int differing = 0;
    for (int y = 0; y < PICTURE_HEIGHT; ++y) {
        for (int x = 0; x < PICTURE_WIDTH; ++x)
            differing += shown.at(x, y) != picture.at(x, y);
    }
    EXPECT_EQ(differing, 0);

    if (const char* shot = std::getenv("KESTRO_PREVIEW_SHOT")) {
        std::ofstream out(shot, std::ios::binary);
        out << "P6\n" << PICTURE_WIDTH << ' ' << PICTURE_HEIGHT << "\n255\n";
        for (int y = 0; y < PICTURE_HEIGHT; ++y) {
            for (int x = 0; x < PICTURE_WIDTH; ++x) {
                const COLORREF c = shown.at(x, y);
                out.put(static_cast<char>(GetRValue(c)))
                    .put(static_cast<char>(GetGValue(c)))
                    .put(static_cast<char>(GetBValue(c)));
            }
        }
    }
    DestroyWindow(area);
}

TEST_F(PreviewWindowTest, LargerAreaShowsThePictureTopLeftAndBlackAround) {
    constexpr int WIDTH = 240, HEIGHT = 180;
    HWND area = createArea(WIDTH, HEIGHT);
    ASSERT_NE(area, nullptr);
    ASSERT_NE(embed(area), nullptr);

    HDC dc = GetDC(area);
    const Pixels shown = readBack(dc, WIDTH, HEIGHT);
    ReleaseDC(area, dc);
    const Pixels picture = pictureResource();
    int pictureDiffering = 0, notBlack = 0;
    for (int y = 0; y < HEIGHT; ++y) {
        for (int x = 0; x < WIDTH; ++x) {
            if (x < PICTURE_WIDTH && y < PICTURE_HEIGHT) {
                pictureDiffering += shown.at(x, y) != picture.at(x, y);
            } else {
                notBlack += shown.at(x, y) != RGB(0, 0, 0);
            }
        }
    }
    EXPECT_EQ(pictureDiffering, 0);
    EXPECT_EQ(notBlack, 0);
    DestroyWindow(area);
}

TEST_F(PreviewWindowTest, SmallerAreaShowsThePicturesTopLeftPart) {
    constexpr int WIDTH = 100, HEIGHT = 60;
    HWND area = createArea(WIDTH, HEIGHT);
    ASSERT_NE(area, nullptr);
    ASSERT_NE(embed(area), nullptr);

    HDC dc = GetDC(area);
    const Pixels shown = readBack(dc, WIDTH, HEIGHT);
    ReleaseDC(area, dc);
    const Pixels picture = pictureResource();
    int differing = 0;
    for (int y = 0; y < HEIGHT; ++y) {
        for (int x = 0; x < WIDTH; ++x)
            differing += shown.at(x, y) != picture.at(x, y);
    }
    EXPECT_EQ(differing, 0);
    DestroyWindow(area);
}

} // namespace
} // namespace kestro

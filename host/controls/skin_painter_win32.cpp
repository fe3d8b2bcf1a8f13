#include "host/controls/skin_painter_win32.h"

#include <array>

namespace kestro {
namespace {

// Resource names of the skins, in the order of Skin.
constexpr std::array<const char*, SKIN_COUNT> SKIN_RESOURCE_NAMES{
    "COMMAND_SKIN_NORMAL",   "COMMAND_SKIN_HIGHLIGHT", "COMMAND_SKIN_HIGHLIGHTSELECT",
    "COMMAND_SKIN_SELECTED", "COMMAND_SKIN_PRESSED",   "COMMAND_SKIN_DISABLE",
};

constexpr int GRADIENT_VERTEX_COUNT = 4; // two used, two left zero

std::array<HBITMAP, SKIN_COUNT> loadSkinBitmaps() {
    std::array<HBITMAP, SKIN_COUNT> bitmaps{};
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (int i = 0; i < SKIN_COUNT; ++i) {
        bitmaps[i] = static_cast<HBITMAP>(
            LoadImageA(instance, SKIN_RESOURCE_NAMES[i], IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    }
    return bitmaps;
}

TRIVERTEX toTriVertex(const GradientVertex& vertex) {
    TRIVERTEX out{};
    out.x = vertex.x;
    out.y = vertex.y;
    out.Red = vertex.colour.red;
    out.Green = vertex.colour.green;
    out.Blue = vertex.colour.blue;
    out.Alpha = 0;
    return out;
}

void copyPiece(HDC image, HDC skin, const SkinPiece& piece) {
    const PixelRect& d = piece.destination;
    const PixelRect& s = piece.source;
    StretchBlt(image, d.x, d.y, d.width, d.height, skin, s.x, s.y, s.width, s.height, SRCCOPY);
}

} // namespace

HBITMAP skinBitmap(Skin skin) {
    static const std::array<HBITMAP, SKIN_COUNT> bitmaps = loadSkinBitmaps();
    return bitmaps[static_cast<size_t>(skin)];
}

void fillGradient(HDC image, int widthPixels, int heightPixels, bool invertGradient) {
    const auto vertices = gradientVertices(invertGradient, widthPixels, heightPixels);
    TRIVERTEX triVertices[GRADIENT_VERTEX_COUNT] = {};
    triVertices[0] = toTriVertex(vertices[0]);
    triVertices[1] = toTriVertex(vertices[1]);
    // The rectangle names vertex 1 as its upper left: for a vertical fill the
    // colours follow the vertices' y positions, so the top still takes vertex 0.
    GRADIENT_RECT rect{1, 0};
    GradientFill(image, triVertices, GRADIENT_VERTEX_COUNT, &rect, 1, GRADIENT_FILL_RECT_V);
}

bool paintSkinImage(const SkinPaintTarget& target, Skin skin, bool invertGradient,
                    SkinLayout& layout) {
    layout = skinLayout(target.widthPixels * target.twipsPerPixel,
                        target.heightPixels * target.twipsPerPixel, target.twipsPerPixel);

    RECT whole{0, 0, target.widthPixels, target.heightPixels};
    HBRUSH background = CreateSolidBrush(target.background);
    if (background) {
        FillRect(target.image, &whole, background);
        DeleteObject(background);
    }

    fillGradient(target.image, target.widthPixels, target.heightPixels, invertGradient);

    HBITMAP bitmap = skinBitmap(skin);
    if (!bitmap)
        return false;
    HDC skinDc = CreateCompatibleDC(target.image);
    if (!skinDc)
        return false;
    HGDIOBJ previous = SelectObject(skinDc, bitmap);
    // Colour-on-colour keeps whole source pixels when an edge shrinks; the
    // edges are uniform along their stretch, so no blending is needed.
    const int previousMode = SetStretchBltMode(target.image, COLORONCOLOR);
    for (const SkinPiece& piece : layout.pieces)
        copyPiece(target.image, skinDc, piece);
    SetStretchBltMode(target.image, previousMode);
    SelectObject(skinDc, previous);
    DeleteDC(skinDc);
    return true;
}

} // namespace kestro

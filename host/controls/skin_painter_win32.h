#pragma once
// Paints a Command button into its persistent image: the gradient face, the
// eight ring pieces of one skin image, as the skin geometry lays them out.

#include <windows.h>

#include "host/controls/button_state.h"
#include "host/controls/skin_geometry.h"

namespace kestro {

// The six skin bitmaps held as resources of the program, loaded once.
// Null for a skin whose resource could not be loaded.
HBITMAP skinBitmap(Skin skin);

struct SkinPaintTarget {
    HDC image = nullptr;
    int widthPixels = 0;
    int heightPixels = 0;
    int twipsPerPixel = SKIN_TWIPS_PER_PIXEL;
    COLORREF background = RGB(0, 0, 0);
};

// Clears the image, fills the face and copies the ring of `skin`. Returns the
// layout used (for placing the caption); false when the skin was missing.
bool paintSkinImage(const SkinPaintTarget& target, Skin skin, bool invertGradient,
                    SkinLayout& layout);

// The face alone: a vertical two-colour gradient over all but the last pixel
// column and row.
void fillGradient(HDC image, int widthPixels, int heightPixels, bool invertGradient);

} // namespace kestro

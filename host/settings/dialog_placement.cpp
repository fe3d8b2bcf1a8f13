#include "host/settings/dialog_placement.h"

namespace kestro {

namespace {
constexpr int HORIZONTAL_SHARE = 2; // half the free width to the left
constexpr int VERTICAL_SHARE = 3;   // a third of the free height above
} // namespace

DialogOrigin DialogPlacement(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    return {(screenWidth - windowWidth) / HORIZONTAL_SHARE,
            (screenHeight - windowHeight) / VERTICAL_SHARE};
}

} // namespace kestro

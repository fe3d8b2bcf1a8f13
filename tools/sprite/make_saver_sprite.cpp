// Writes SaverSprite as a bitmap file: make_saver_sprite <output.bmp>.
// The host keeps the result as a resource (resources/saver_sprite.bmp).

#include <cstdio>

#include "tools/sprite/saver_sprite.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.bmp>\n", argv[0]);
        return 2;
    }
    const std::vector<uint8_t> bitmap = kestro::SaverSpriteBitmap(kestro::MakeSaverSpritePixels());
    if (!kestro::tools::WriteBytesToFile(argv[1], bitmap)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

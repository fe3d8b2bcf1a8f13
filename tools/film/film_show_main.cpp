// Films the show for the README: one whole cycle from the black start at
// the designed pace, 20 pictures a second at 480 x 360, and one still from
// the middle of each stage. scripts/make-film turns them into the animation
// and the contact sheet.
//
//   film_show <sprite file> <output folder> [frame count]
//     sprite file:   the sprite the renderer draws with
//     output folder: an existing folder; the pictures and their lists go there
//     frame count:   film only this many pictures from the start, no stills
// Exit status 0 when everything was written, 2 otherwise.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/film/show_film.h"

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: film_show <sprite file> <output folder> [frame count]\n");
        return 2;
    }
    kestro::FilmRequest request;
    request.spritePath = argv[1];
    request.folder = argv[2];
    if (argc == 4) {
        char* end = nullptr;
        const unsigned long count = std::strtoul(argv[3], &end, 10);
        if (end == argv[3] || *end != '\0' || count == 0) {
            std::fprintf(stderr, "film_show: the frame count must be a whole number above 0\n");
            return 2;
        }
        request.frameLimit = count;
    }
    // Without its sprite the cloud would be drawn otherwise than the
    // renderer draws it.
    std::FILE* sprite = std::fopen(request.spritePath.c_str(), "rb");
    if (sprite == nullptr) {
        std::fprintf(stderr, "film_show: cannot read %s\n", argv[1]);
        return 2;
    }
    std::fclose(sprite);
    std::string problem;
    if (!kestro::filmShow(request, problem)) {
        std::fprintf(stderr, "film_show: %s\n", problem.c_str());
        return 2;
    }
    return 0;
}

#pragma once
// The film of one whole cycle of the show, and its stage stills, written as
// numbered PPM pictures into a folder with a list of their moments.

#include <cstddef>
#include <string>

namespace kestro {

struct FilmRequest {
    std::string spritePath;
    std::string folder;
    // At most this many pictures from the start; 0 films the whole cycle
    // and the stills of its stages as well.
    size_t frameLimit = 0;
};

// Writes frame-0000.ppm, frame-0001.ppm ... and film.txt (one line per
// picture: file, seconds since the start); for a whole cycle also
// stage-SS.ppm and stages.txt (file, stage, seconds), in the order the film
// shows the stages. False with a one-line problem when it could not.
bool filmShow(const FilmRequest& request, std::string& problem);

} // namespace kestro

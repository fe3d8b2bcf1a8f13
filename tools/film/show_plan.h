#pragma once
// Which steps of the show the film shows: the moments of its pictures over
// one whole cycle from the black start, and one still from the middle of
// each stage. Worked out by running the scene's timeline alone, without
// drawing, through the same step pacer the renderer uses.

#include <cstdint>
#include <vector>

namespace kestro {

// Twenty pictures a second: each spans three steps of the show (17 + 17 +
// 16 ms), so every picture is shown for exactly 50 ms and the film keeps the
// show's pace without rounding (a GIF counts delays in hundredths).
constexpr uint64_t FILM_FRAME_MICROSECONDS = 50000;

// Where the timeline stands in the picture one step draws.
struct ShownPosition {
    bool waiting;
    int32_t stage;
    int32_t stageFrame;
};

struct StageStill {
    int32_t stage;
    // The moment the picture is drawn, from the start of the show.
    uint64_t microseconds;
};

struct ShowPlan {
    // The moments of the film's pictures, FILM_FRAME_MICROSECONDS apart,
    // from 0 to just before the show is back where the black wait left it.
    std::vector<uint64_t> frameMoments;
    // One for each stage, from its longest run in the film, in the order
    // the film shows the stages from the end of the wait.
    std::vector<StageStill> stageStills;
    // The moment the black wait gives way to the particles.
    uint64_t waitEndMicroseconds = 0;
};

ShowPlan planShow();

} // namespace kestro

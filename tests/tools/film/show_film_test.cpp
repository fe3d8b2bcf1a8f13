// The film is a function of the scene alone: filming twice gives the same
// bytes, the black wait films black, and the first picture after it shows
// the newborn cloud.

#include "tools/film/show_film.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "tests/support/scratch_folder.h"
#include "tools/film/show_plan.h"

namespace kestro {
namespace {

std::vector<uint8_t> fileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

// Pixels of a PPM picture with any channel above 0.
size_t litPixels(const std::vector<uint8_t>& ppm) {
    // The header ends with the third newline: "P6\n480 360\n255\n".
    size_t at = 0;
    for (int newlines = 0; newlines < 3 && at < ppm.size(); ++at)
        newlines += ppm[at] == '\n';
    size_t lit = 0;
    for (size_t i = at; i + 2 < ppm.size(); i += 3)
        lit += (ppm[i] | ppm[i + 1] | ppm[i + 2]) != 0;
    return lit;
}

TEST(ShowFilm, FilmingTwiceGivesTheSameBytesAndTheFirstPictureAfterTheWaitIsLit) {
    const ShowPlan plan = planShow();
    size_t firstAfterWait = 0;
    while (firstAfterWait < plan.frameMoments.size() &&
           plan.frameMoments[firstAfterWait] <= plan.waitEndMicroseconds)
        ++firstAfterWait;
    ASSERT_LT(firstAfterWait, plan.frameMoments.size());
    ASSERT_GT(firstAfterWait, 0u) << "the film starts in the black wait";

    testing::ScratchFolder first;
    testing::ScratchFolder second;
    std::string problem;
    for (const testing::ScratchFolder* folder : {&first, &second}) {
        const FilmRequest request{KESTRO_SAVER_SPRITE_FILE, folder->folder(), firstAfterWait + 1};
        ASSERT_TRUE(filmShow(request, problem)) << problem;
    }

    EXPECT_EQ(fileBytes(first.path("film.txt")), fileBytes(second.path("film.txt")));
    for (size_t frame = 0; frame <= firstAfterWait; ++frame) {
        char name[32];
        std::snprintf(name, sizeof name, "frame-%04zu.ppm", frame);
        SCOPED_TRACE(name);
        const std::vector<uint8_t> picture = fileBytes(first.path(name));
        ASSERT_FALSE(picture.empty());
        EXPECT_EQ(picture, fileBytes(second.path(name)));
        if (frame < firstAfterWait)
            EXPECT_EQ(litPixels(picture), 0u) << "the wait is black";
        else
            // Thousands of newborn particles about the centre, each a few
            // pixels wide at film size.
            EXPECT_GT(litPixels(picture), 100u);
    }
}

TEST(ShowFilm, AnUnwritableFolderIsReported) {
    testing::ScratchFolder scratch;
    std::string problem;
    const FilmRequest request{KESTRO_SAVER_SPRITE_FILE, scratch.path("missing"), 1};
    EXPECT_FALSE(filmShow(request, problem));
    EXPECT_NE(problem.find("missing"), std::string::npos) << problem;
}

} // namespace
} // namespace kestro

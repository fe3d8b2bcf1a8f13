// Prints the moment the middle of the show's picture first turns from
// blue-white to orange: the first picture, after one in which blue led, in
// which red leads again, in the given region of the picture. The scene runs
// through the step pacer as the renderer runs it, and is drawn off-screen at
// 1024 x 768 every tenth of a second of show time.
//
//   show_colour_turn <sprite file> <region>
//     sprite file: the sprite the renderer draws with
//     region:      WIDTHxHEIGHT+LEFT+TOP in the 1024 x 768 picture, as the
//                  end-to-end tests name the middle of the window
// Output: the seconds since the show started, with one decimal. Exit status
// 1 when the picture does not turn within the searched time.

#include <cstdint>
#include <cstdio>
#include <string>

#include "renderer/renderer_scene.h"
#include "renderer/scene/scene_port_gl.h"
#include "renderer/shell/render_loop.h"
#include "tools/offscreen_gl/offscreen_gl_context.h"

namespace kestro {
namespace {

constexpr uint64_t SAMPLE_MICROSECONDS = 100000;
constexpr uint64_t SEARCHED_MICROSECONDS = 30 * MICROSECONDS_PER_SECOND;
// Every fourth pixel each way is plenty for a mean.
constexpr int PIXEL_STRIDE = 4;

struct Region {
    int left;
    int top;
    int width;
    int height;
};

// "WIDTHxHEIGHT+LEFT+TOP", wholly inside the picture.
bool parseRegion(const char* text, Region& region) {
    char rest = 0;
    if (std::sscanf(text, "%dx%d+%d+%d%c", &region.width, &region.height, &region.left, &region.top,
                    &rest) != 4)
        return false;
    return region.width > 0 && region.height > 0 && region.left >= 0 && region.top >= 0 &&
           region.left + region.width <= tools::SCREEN_WIDTH &&
           region.top + region.height <= tools::SCREEN_HEIGHT;
}

struct ColourSums {
    uint64_t red = 0;
    uint64_t blue = 0;
};

ColourSums sumsOver(tools::OffscreenGlContext& gl, const Region& region) {
    gl.finish();
    ColourSums sums;
    for (int row = region.top; row < region.top + region.height; row += PIXEL_STRIDE)
        for (int column = region.left; column < region.left + region.width;
             column += PIXEL_STRIDE) {
            const tools::Rgb pixel = gl.pixel(column, row);
            sums.red += static_cast<uint64_t>(pixel.red);
            sums.blue += static_cast<uint64_t>(pixel.blue);
        }
    return sums;
}

int run(const std::string& spritePath, const Region& region) {
    tools::OffscreenGlContext gl;
    if (!gl.ready()) {
        std::fprintf(stderr, "show_colour_turn: no off-screen OpenGL context\n");
        return 2;
    }
    TextureImage sprite;
    GlScenePort display(sprite, spritePath.c_str());
    RendererScene scene(display, [] {});
    const KeyTable keys{};
    if (!scene.initScene(keys)) {
        std::fprintf(stderr, "show_colour_turn: the scene did not start\n");
        return 2;
    }
    StepPacer pacer;
    pacer.restart(0);
    bool blueLed = false;
    for (uint64_t now = 0; now <= SEARCHED_MICROSECONDS; now += SAMPLE_MICROSECONDS) {
        if (!runDueSteps(pacer, scene, now))
            continue;
        const ColourSums sums = sumsOver(gl, region);
        if (sums.blue > sums.red) {
            blueLed = true;
        } else if (blueLed && sums.red > sums.blue) {
            std::printf("%.1f\n", static_cast<double>(now) / MICROSECONDS_PER_SECOND);
            return 0;
        }
    }
    std::fprintf(stderr, "show_colour_turn: the picture did not turn orange\n");
    return 1;
}

} // namespace
} // namespace kestro

int main(int argc, char** argv) {
    kestro::Region region{};
    if (argc != 3 || !kestro::parseRegion(argv[2], region)) {
        std::fprintf(stderr, "usage: show_colour_turn <sprite file> <WIDTHxHEIGHT+LEFT+TOP>\n");
        return 2;
    }
    // Without its sprite the cloud would be drawn otherwise than the
    // renderer draws it.
    std::FILE* sprite = std::fopen(argv[1], "rb");
    if (sprite == nullptr) {
        std::fprintf(stderr, "show_colour_turn: cannot read %s\n", argv[1]);
        return 2;
    }
    std::fclose(sprite);
    return kestro::run(argv[1], region);
}

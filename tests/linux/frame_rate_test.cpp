// The -fps display: its counting, its text and its place in the corner, the
// decorator's order of calls, and its drawing read back off-screen.

#include "linux/frame_rate_counter.h"
#include "linux/frame_rate_display.h"
#include "linux/frame_rate_draw_port_gl.h"
#include "linux/frame_rate_text.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "tools/offscreen_gl/offscreen_gl_context.h"

namespace kestro {
namespace {

class FakeClock final : public FrameRateClockPort {
  public:
    uint64_t wall = 5000000;
    uint64_t processor = 700000;
    uint64_t wallMicroseconds() override { return wall; }
    uint64_t processorMicroseconds() override { return processor; }
};

// Pictures every period, the processor busy for its share of each.
void showPictures(FrameRateCounter& counter, FakeClock& clock, int count, uint64_t period,
                  uint64_t busy) {
    for (int i = 0; i < count; ++i) {
        clock.wall += period;
        clock.processor += busy;
        counter.countPicture();
    }
}

TEST(FrameRateCounter, ReadsPicturesASecondAndTheProcessorShareOncePerInterval) {
    FakeClock clock;
    FrameRateCounter counter(clock);
    counter.countPicture(); // starts the count
    showPictures(counter, clock, 59, 16667, 4000);
    EXPECT_FALSE(counter.reading().measured) << "renewed before a whole second";
    EXPECT_EQ(frameRateLines(counter.reading()), (std::vector<std::string>{"FPS: --", "Load: --"}));
    showPictures(counter, clock, 1, 16667, 4000);
    ASSERT_TRUE(counter.reading().measured);
    EXPECT_NEAR(counter.reading().picturesPerSecond, 60.0, 0.01);
    EXPECT_NEAR(counter.reading().processorPercent, 24.0, 0.01);
    EXPECT_EQ(frameRateLines(counter.reading()),
              (std::vector<std::string>{"FPS: 60.0", "Load: 24.0%"}));

    // A slow second: 4 pictures, the driver's threads using 1.5 processors.
    showPictures(counter, clock, 4, 250000, 375000);
    EXPECT_NEAR(counter.reading().picturesPerSecond, 4.0, 0.01);
    EXPECT_EQ(frameRateLines(counter.reading())[1], "Load: 150.0%");

    // A new window: the time without pictures in between is not counted.
    counter.restart();
    clock.wall += 30000000;
    counter.countPicture();
    showPictures(counter, clock, 20, 50000, 0);
    EXPECT_NEAR(counter.reading().picturesPerSecond, 20.0, 0.01);
    EXPECT_EQ(frameRateLines(counter.reading())[1], "Load: 0.0%");
}

TEST(FrameRateText, EveryCharacterOfTheLinesHasAWholeGlyph) {
    FrameRateReading reading;
    std::string written;
    for (const std::string& line : frameRateLines(reading))
        written += line;
    reading.measured = true;
    for (double value : {0.0, 9.87, 1234.5, 67.0}) {
        reading.picturesPerSecond = value;
        reading.processorPercent = value * 3;
        for (const std::string& line : frameRateLines(reading))
            written += line;
    }
    for (const char character : written) {
        const char* const* rows = glyphRows(character);
        ASSERT_NE(rows, nullptr) << "no glyph for '" << character << "'";
        for (int row = 0; row < 7; ++row)
            EXPECT_EQ(std::strlen(rows[row]), 5u) << "'" << character << "' row " << row;
    }
    EXPECT_EQ(glyphRows('#'), nullptr);
}

bool inside(const PixelRect& cell, const PixelRect& box) {
    return cell.x >= box.x && cell.y >= box.y && cell.x + cell.width <= box.x + box.width &&
           cell.y + cell.height <= box.y + box.height;
}

TEST(FrameRateText, LinesStackInTheBottomLeftCornerOnTheirBacking) {
    EXPECT_EQ(frameRateTextScale(120), 1);
    EXPECT_EQ(frameRateTextScale(768), 3);
    const TextPanel panel = layoutCornerText({"FPS: 8", "Load: 1%"}, 3);
    ASSERT_FALSE(panel.cells.empty());
    EXPECT_GT(panel.backing.x, 0);
    EXPECT_GT(panel.backing.y, 0);
    EXPECT_LT(panel.backing.x + panel.backing.width, 200);
    EXPECT_LT(panel.backing.y + panel.backing.height, 80);
    int lowestOfFirstLine = 1 << 30;
    const size_t firstLineCells = layoutCornerText({"FPS: 8"}, 3).cells.size();
    for (size_t i = 0; i < panel.cells.size(); ++i) {
        EXPECT_TRUE(inside(panel.cells[i], panel.backing)) << "cell " << i;
        EXPECT_EQ(panel.cells[i].width, 3);
        if (i < firstLineCells)
            lowestOfFirstLine = std::min(lowestOfFirstLine, panel.cells[i].y);
        else
            EXPECT_LT(panel.cells[i].y, lowestOfFirstLine) << "the second line lies below";
    }
    // A character the font lacks is a blank that still takes its place.
    const TextPanel gap = layoutCornerText({"1#1"}, 1);
    const TextPanel spaced = layoutCornerText({"1 1"}, 1);
    ASSERT_EQ(gap.cells.size(), spaced.cells.size());
    EXPECT_EQ(gap.cells.back().x, spaced.cells.back().x);
}

// What the decorator passes on, in order, through one log.
class LoggingScene final : public ShellEvents {
  public:
    explicit LoggingScene(std::vector<std::string>& log) : log_(log) {}
    bool initScene(const KeyTable&) override {
        log_.push_back("init");
        return initResult;
    }
    void updateTiming(uint32_t elapsed) override {
        log_.push_back("timing " + std::to_string(elapsed));
    }
    void drawFrame(bool drawn) override { log_.push_back(drawn ? "drawn" : "undrawn"); }
    bool initResult = true;

  private:
    std::vector<std::string>& log_;
};

class LoggingPicture final : public FrameRateDrawPort {
  public:
    explicit LoggingPicture(std::vector<std::string>& log) : log_(log) {}
    int pictureHeight() override { return 768; }
    void drawPanel(const TextPanel& panel) override {
        log_.push_back("panel");
        lastPanel = panel;
    }
    TextPanel lastPanel;

  private:
    std::vector<std::string>& log_;
};

TEST(FrameRateDisplay, DrawsItsPanelOverEachDrawnPictureAndPassesTheRestOn) {
    std::vector<std::string> log;
    LoggingScene scene(log);
    LoggingPicture picture(log);
    FakeClock clock;
    FrameRateDisplay display(scene, clock, picture);
    const KeyTable keys{};
    EXPECT_TRUE(display.initScene(keys));
    display.updateTiming(16);
    display.drawFrame(false);
    display.drawFrame(true);
    scene.initResult = false;
    EXPECT_FALSE(display.initScene(keys));
    EXPECT_EQ(log,
              (std::vector<std::string>{"init", "timing 16", "undrawn", "drawn", "panel", "init"}));
    // Sized for the picture: scale 3 at 768 pixels high.
    ASSERT_FALSE(picture.lastPanel.cells.empty());
    EXPECT_EQ(picture.lastPanel.cells.front().width, 3);
}

// The panel drawn with OpenGL over a picture drawn as the scene leaves its
// state: the text's cells white, the rest of the corner dark, the show
// elsewhere untouched, and the scene's state given back.
TEST(GlFrameRateDrawPort, DrawsTheTextInTheCornerAndGivesTheStateBack) {
    constexpr int WIDTH = 320;
    constexpr int HEIGHT = 240;
    tools::OffscreenGlContext gl(WIDTH, HEIGHT);
    ASSERT_TRUE(gl.ready());
    glClearColor(0.0f, 0.0f, 0.5f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    GLfloat projectionBefore[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projectionBefore);

    GlFrameRateDrawPort picture;
    EXPECT_EQ(picture.pictureHeight(), HEIGHT);
    const TextPanel panel = layoutCornerText({"FPS: 8"}, frameRateTextScale(HEIGHT));
    picture.drawPanel(panel);

    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    GLint destination = 0;
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(destination, GL_ONE);
    GLint matrixMode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    EXPECT_EQ(matrixMode, GL_MODELVIEW);
    GLfloat projectionAfter[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projectionAfter);
    EXPECT_EQ(0, std::memcmp(projectionBefore, projectionAfter, sizeof projectionAfter));
    gl.finish();

    // Rows count from the top on the screen, from the bottom in OpenGL.
    const PixelRect& cell = panel.cells.front();
    const tools::Rgb lit = gl.pixel(cell.x, HEIGHT - 1 - cell.y);
    EXPECT_GT(lit.red + lit.green + lit.blue, 3 * 240) << "the text's cell is white";
    const tools::Rgb backing = gl.pixel(panel.backing.x, HEIGHT - 1 - panel.backing.y);
    EXPECT_LT(backing.blue, 128) << "the backing darkens the picture";
    EXPECT_GT(backing.blue, 0) << "the show glows through the backing";
    const tools::Rgb beyond = gl.pixel(WIDTH - 1, 0);
    EXPECT_EQ(beyond.red, 0);
    EXPECT_NEAR(beyond.blue, 128, 1) << "the picture beyond the corner is untouched";
}

} // namespace
} // namespace kestro

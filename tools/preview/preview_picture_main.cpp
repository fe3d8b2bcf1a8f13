// Draws PreviewPicture, the still of the saver shown in the display
// settings' preview area: a tilted ring of additively blended glowing
// particles with a few scattered ones around it, rendered off-screen with
// OpenGL at four times the size and reduced to 152 x 112 pixels.
//
//     make_preview_picture resources/preview_picture.bmp

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "tools/offscreen_gl/offscreen_gl_context.h"
#include "tools/settings_pictures/picture_files.h"

using namespace kestro::tools;

namespace {

constexpr int PICTURE_WIDTH = 152;
constexpr int PICTURE_HEIGHT = 112;
constexpr int OVERSAMPLE = 4;
constexpr int RENDER_WIDTH = PICTURE_WIDTH * OVERSAMPLE;
constexpr int RENDER_HEIGHT = PICTURE_HEIGHT * OVERSAMPLE;
constexpr double FIELD_OF_VIEW = 35.0; // degrees, as the renderer sets it up
constexpr float VIEW_DISTANCE = 50.0f; // the cloud's plane in front of the viewer
constexpr int SPRITE_SIZE = 32;

constexpr int RING_PARTICLES = 2600;
constexpr int SCATTERED_PARTICLES = 260;
constexpr float RING_RADIUS_X = 13.0f;
constexpr float RING_RADIUS_Y = 13.0f;
constexpr float RING_TILT_X = 62.0f;  // degrees the ring leans back
constexpr float RING_TURN_Z = -24.0f; // degrees the leaning ring is turned
constexpr float PARTICLE_HALF_SIZE = 0.55f;

// One fixed generator, so the picture is the same on every run.
class Random {
  public:
    uint32_t next() {
        state_ = state_ * 1103515245u + 12345u;
        return (state_ >> 16) & 0x7FFF;
    }
    float unit() { return next() / 32767.0f; }          // 0 to 1
    float signedUnit() { return unit() * 2.0f - 1.0f; } // -1 to 1

  private:
    uint32_t state_ = 20240611u;
};

struct Particle {
    float x, y, z;
    float red, green, blue, alpha;
    float halfSize;
};

struct Colour {
    float red, green, blue;
};
// Fresh particles are white; they turn yellow, then orange as they age.
constexpr Colour RING_COLOURS[] = {{1.0f, 1.0f, 1.0f}, {1.0f, 0.95f, 0.45f}, {1.0f, 0.6f, 0.15f}};
constexpr Colour SCATTER_COLOURS[] = {{0.25f, 1.0f, 0.3f}, {1.0f, 0.55f, 0.1f}};

// A soft white glow: full in the middle, falling to nothing at the edge.
std::vector<uint8_t> spritePixels() {
    std::vector<uint8_t> pixels(SPRITE_SIZE * SPRITE_SIZE * 4);
    const float centre = (SPRITE_SIZE - 1) / 2.0f;
    for (int y = 0; y < SPRITE_SIZE; ++y) {
        for (int x = 0; x < SPRITE_SIZE; ++x) {
            const float d = std::hypot(x - centre, y - centre) / (SPRITE_SIZE / 2.0f);
            const float glow = d >= 1.0f ? 0.0f : std::pow(1.0f - d, 2.2f);
            uint8_t* p = &pixels[(y * SPRITE_SIZE + x) * 4];
            p[0] = p[1] = p[2] = static_cast<uint8_t>(std::lround(glow * 255.0f));
            p[3] = 255;
        }
    }
    return pixels;
}

// The ring: particles born one after another along the circular emission
// path, each drifting away from its birth place and fading with its age,
// then the whole path leaned back and turned so it shows as a tilted ellipse.
std::vector<Particle> simulateCloud() {
    Random random;
    std::vector<Particle> cloud;
    const float leanX = RING_TILT_X * 3.14159265f / 180.0f;
    const float turnZ = RING_TURN_Z * 3.14159265f / 180.0f;
    auto place = [&](float x, float y, float z, Particle& p) {
        const float y1 = y * std::cos(leanX) - z * std::sin(leanX);
        const float z1 = y * std::sin(leanX) + z * std::cos(leanX);
        p.x = x * std::cos(turnZ) - y1 * std::sin(turnZ);
        p.y = x * std::sin(turnZ) + y1 * std::cos(turnZ);
        p.z = z1;
    };
    for (int i = 0; i < RING_PARTICLES; ++i) {
        const float angle = 6.2831853f * random.unit();
        const float age = random.unit(); // 0 just born, 1 about to die
        const float drift = 2.2f * age;
        Particle p{};
        place(RING_RADIUS_X * std::sin(angle) + drift * random.signedUnit(),
              RING_RADIUS_Y * std::cos(angle) + drift * random.signedUnit(),
              drift * random.signedUnit(), p);
        const Colour& colour = RING_COLOURS[std::min(2, static_cast<int>(age * 3.0f))];
        p.red = colour.red;
        p.green = colour.green;
        p.blue = colour.blue;
        p.alpha = 0.55f * (1.0f - age) + 0.05f;
        p.halfSize = PARTICLE_HALF_SIZE;
        cloud.push_back(p);
    }
    for (int i = 0; i < SCATTERED_PARTICLES; ++i) {
        Particle p{};
        p.x = 19.0f * random.signedUnit();
        p.y = 14.0f * random.signedUnit();
        p.z = 4.0f * random.signedUnit();
        const Colour& colour = SCATTER_COLOURS[random.next() % 2];
        p.red = colour.red;
        p.green = colour.green;
        p.blue = colour.blue;
        p.alpha = 0.35f + 0.5f * random.unit();
        p.halfSize = PARTICLE_HALF_SIZE;
        cloud.push_back(p);
    }
    return cloud;
}

void drawCloud(const std::vector<Particle>& cloud, GLuint sprite) {
    glViewport(0, 0, RENDER_WIDTH, RENDER_HEIGHT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(FIELD_OF_VIEW, static_cast<double>(RENDER_WIDTH) / RENDER_HEIGHT, 0.1, 200.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, sprite);
    glTranslatef(0, 0, -VIEW_DISTANCE);
    for (const Particle& p : cloud) {
        glColor4f(p.red, p.green, p.blue, p.alpha);
        glBegin(GL_TRIANGLE_STRIP);
        glTexCoord2d(1, 1);
        glVertex3f(p.x + p.halfSize, p.y + p.halfSize, p.z);
        glTexCoord2d(0, 1);
        glVertex3f(p.x - p.halfSize, p.y + p.halfSize, p.z);
        glTexCoord2d(1, 0);
        glVertex3f(p.x + p.halfSize, p.y - p.halfSize, p.z);
        glTexCoord2d(0, 0);
        glVertex3f(p.x - p.halfSize, p.y - p.halfSize, p.z);
        glEnd();
    }
    glFinish();
}

// Box filter: each picture pixel is the mean of OVERSAMPLE x OVERSAMPLE
// rendered pixels.
Picture reduce(const OffscreenGlContext& rendered) {
    Picture picture(PICTURE_WIDTH, PICTURE_HEIGHT);
    for (int y = 0; y < PICTURE_HEIGHT; ++y) {
        for (int x = 0; x < PICTURE_WIDTH; ++x) {
            int sum[3] = {0, 0, 0};
            for (int dy = 0; dy < OVERSAMPLE; ++dy) {
                for (int dx = 0; dx < OVERSAMPLE; ++dx) {
                    const Rgb p = rendered.pixel(x * OVERSAMPLE + dx, y * OVERSAMPLE + dy);
                    sum[0] += p.red;
                    sum[1] += p.green;
                    sum[2] += p.blue;
                }
            }
            const int count = OVERSAMPLE * OVERSAMPLE;
            picture.at(x, y) = {static_cast<uint8_t>((sum[0] + count / 2) / count),
                                static_cast<uint8_t>((sum[1] + count / 2) / count),
                                static_cast<uint8_t>((sum[2] + count / 2) / count), 255};
        }
    }
    return picture;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.bmp>\n", argv[0]);
        return 2;
    }
    OffscreenGlContext context(RENDER_WIDTH, RENDER_HEIGHT);
    if (!context.ready()) {
        std::fprintf(stderr, "no off-screen OpenGL context\n");
        return 1;
    }
    GLuint sprite = 0;
    glGenTextures(1, &sprite);
    glBindTexture(GL_TEXTURE_2D, sprite);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    const std::vector<uint8_t> spriteImage = spritePixels();
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, SPRITE_SIZE, SPRITE_SIZE, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 spriteImage.data());

    drawCloud(simulateCloud(), sprite);
    context.finish();
    try {
        WriteFile(argv[1], BmpFile(reduce(context)));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

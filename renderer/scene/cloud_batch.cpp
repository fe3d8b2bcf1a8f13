#include "renderer/scene/cloud_batch.h"

#include <algorithm>

namespace kestro {

namespace {

struct Corner {
    // Which edges of the square the corner lies on.
    bool right;
    bool top;
    int16_t textureS;
    int16_t textureT;
};
// The strip's order: texture (0, 0) at the lower left of the square.
constexpr std::array<Corner, CORNERS_PER_SQUARE> STRIP_CORNERS{{
    {true, true, 1, 1},
    {false, true, 0, 1},
    {true, false, 1, 0},
    {false, false, 0, 0},
}};
// The strip's two triangles, as corners of one square.
constexpr std::array<uint16_t, INDICES_PER_SQUARE> STRIP_TRIANGLES{0, 1, 2, 2, 1, 3};

static_assert(BATCH_CORNERS - 1 <= UINT16_MAX, "corner numbers must fit 16-bit indices");

} // namespace

CloudBatch::CloudBatch() {
    for (int square = 0; square < PARTICLE_COUNT; ++square) {
        for (int corner = 0; corner < CORNERS_PER_SQUARE; ++corner) {
            const int at = (square * CORNERS_PER_SQUARE + corner) * TEXTURE_VALUES;
            textureCoordinates[at] = STRIP_CORNERS[corner].textureS;
            textureCoordinates[at + 1] = STRIP_CORNERS[corner].textureT;
        }
        for (int index = 0; index < INDICES_PER_SQUARE; ++index) {
            indices[square * INDICES_PER_SQUARE + index] =
                static_cast<uint16_t>(square * CORNERS_PER_SQUARE + STRIP_TRIANGLES[index]);
        }
    }
}

void batchCloud(const ParticleCloud& cloud, float sizeScale, CloudBatch& batch) {
    const float baseHalfSize = sizeScale * BASE_HALF_SIZE;
    float* place = batch.places.data();
    float* colour = batch.colours.data();
    int squares = 0;
    for (const Particle& particle : cloud.particles) {
        if (!addsToPicture(particle))
            continue;
        // The edges are worked out as a strip per particle would work them
        // out, so that every corner lands on the same float.
        const float halfWidth = baseHalfSize + particle.padX;
        const float halfHeight = baseHalfSize + particle.padY;
        const float left = particle.x - halfWidth;
        const float right = particle.x + halfWidth;
        const float bottom = particle.y - halfHeight;
        const float top = particle.y + halfHeight;
        // Read before the corners are written: the compiler cannot tell
        // that the writes leave the particle alone.
        const float z = particle.z;
        const std::array<float, COLOUR_VALUES> rgba{particle.red, particle.green, particle.blue,
                                                    particle.opacity};
        for (const Corner& corner : STRIP_CORNERS) {
            *place++ = corner.right ? right : left;
            *place++ = corner.top ? top : bottom;
            *place++ = z;
            std::copy(rgba.begin(), rgba.end(), colour);
            colour += COLOUR_VALUES;
        }
        ++squares;
    }
    batch.squareCount = squares;
}

} // namespace kestro

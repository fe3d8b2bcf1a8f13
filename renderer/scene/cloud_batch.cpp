#include "renderer/scene/cloud_batch.h"

namespace kestro {

namespace {

struct Corner {
    // Which edges of the square the corner lies on.
    bool right;
    bool top;
    float textureS;
    float textureT;
};
// The strip's order: texture (0, 0) at the lower left of the square.
constexpr std::array<Corner, CORNERS_PER_SQUARE> STRIP_CORNERS{{
    {true, true, 1.0f, 1.0f},
    {false, true, 0.0f, 1.0f},
    {true, false, 1.0f, 0.0f},
    {false, false, 0.0f, 0.0f},
}};
// The strip's two triangles, as corners of one square.
constexpr std::array<uint16_t, INDICES_PER_SQUARE> STRIP_TRIANGLES{0, 1, 2, 2, 1, 3};

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
                static_cast<uint32_t>(square * CORNERS_PER_SQUARE + STRIP_TRIANGLES[index]);
        }
    }
}

void batchCloud(const ParticleCloud& cloud, float sizeScale, CloudBatch& batch) {
    const float baseHalfSize = sizeScale * BASE_HALF_SIZE;
    CloudCorner* out = batch.corners.data();
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
        for (const Corner& corner : STRIP_CORNERS) {
            *out++ = {corner.right ? right : left,
                      corner.top ? top : bottom,
                      particle.z,
                      particle.red,
                      particle.green,
                      particle.blue,
                      particle.opacity};
        }
    }
    batch.squareCount = static_cast<int>((out - batch.corners.data()) / CORNERS_PER_SQUARE);
}

} // namespace kestro

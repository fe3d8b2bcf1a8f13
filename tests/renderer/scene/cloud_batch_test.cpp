// The cloud's batch: which particles become squares, and the squares' corners
// and triangles as a strip per particle would give them.

#include "renderer/scene/cloud_batch.h"

#include <cmath>
#include <limits>
#include <memory>

#include <gtest/gtest.h>

namespace kestro {
namespace {

Particle particleAt(float x, float y, float opacity) {
    Particle particle{};
    particle.alive = 1;
    particle.opacity = opacity;
    particle.red = 0.25f;
    particle.green = 0.5f;
    particle.blue = 0.75f;
    particle.x = x;
    particle.y = y;
    particle.z = -2.0f;
    particle.padX = 0.5f;
    particle.padY = 0.25f;
    return particle;
}

TEST(CloudBatchTest, OnlyParticlesThatAddLightBecomeSquaresInTableOrder) {
    auto cloud = std::make_unique<ParticleCloud>();
    auto batch = std::make_unique<CloudBatch>();
    cloud->particles[0] = particleAt(1.0f, 0.0f, 1.0f);
    cloud->particles[1] = particleAt(2.0f, 0.0f, -0.5f);
    cloud->particles[2] = particleAt(std::numeric_limits<float>::infinity(), 0.0f, 1.0f);
    cloud->particles[3] = particleAt(3.0f, 0.0f, 0.5f);
    cloud->particles[3].alive = 0;
    cloud->particles[4] = particleAt(4.0f, 0.0f, 0.5f);
    // The rest are zero-initialised: dead by their opacity of 0.
    batchCloud(*cloud, 1.0f, *batch);

    ASSERT_EQ(batch->squareCount, 2);
    EXPECT_EQ(batch->indexCount(), 12);
    // Second square's first corner (top right): x 4 + 0.1 + 0.5.
    EXPECT_FLOAT_EQ(batch->places[CORNERS_PER_SQUARE * PLACE_VALUES], 4.6f);
    EXPECT_FLOAT_EQ(batch->colours[CORNERS_PER_SQUARE * COLOUR_VALUES + 3], 0.5f);

    cloud->particles[0].opacity = 0.0f;
    cloud->particles[4].opacity = 0.0f;
    batchCloud(*cloud, 1.0f, *batch);
    EXPECT_EQ(batch->squareCount, 0) << "a batch refilled keeps no square of before";
}

TEST(CloudBatchTest, SquaresKeepTheStripsCornersTextureAndDiagonal) {
    auto cloud = std::make_unique<ParticleCloud>();
    auto batch = std::make_unique<CloudBatch>();
    cloud->particles[7] = particleAt(1.0f, 2.0f, 1.0f);
    batchCloud(*cloud, 2.0f, *batch);
    ASSERT_EQ(batch->squareCount, 1);

    // Half-width 0.2 + 0.5, half-height 0.2 + 0.25, at z -2.
    struct Expected {
        float x, y, s, t;
    };
    const Expected corners[] = {
        {1.7f, 2.45f, 1, 1}, {0.3f, 2.45f, 0, 1}, {1.7f, 1.55f, 1, 0}, {0.3f, 1.55f, 0, 0}};
    for (int corner = 0; corner < CORNERS_PER_SQUARE; ++corner) {
        const float* place = &batch->places[corner * PLACE_VALUES];
        const float* colour = &batch->colours[corner * COLOUR_VALUES];
        const int16_t* texture = &batch->textureCoordinates[corner * TEXTURE_VALUES];
        EXPECT_FLOAT_EQ(place[0], corners[corner].x) << corner;
        EXPECT_FLOAT_EQ(place[1], corners[corner].y) << corner;
        EXPECT_FLOAT_EQ(place[2], -2.0f) << corner;
        EXPECT_EQ(texture[0], corners[corner].s) << corner;
        EXPECT_EQ(texture[1], corners[corner].t) << corner;
        EXPECT_EQ(colour[0], 0.25f);
        EXPECT_EQ(colour[1], 0.5f);
        EXPECT_EQ(colour[2], 0.75f);
        EXPECT_EQ(colour[3], 1.0f);
    }
    // Two triangles in the strip's vertex order, both holding the top-left
    // and bottom-right corners: the same split a strip gives.
    const uint16_t strip[] = {0, 1, 2, 2, 1, 3};
    for (int index = 0; index < INDICES_PER_SQUARE; ++index)
        EXPECT_EQ(batch->indices[index], strip[index]);
    // The last square's triangles still reach their own corners.
    EXPECT_EQ(batch->indices[(PARTICLE_COUNT - 1) * INDICES_PER_SQUARE + 5], BATCH_CORNERS - 1);
}

} // namespace
} // namespace kestro

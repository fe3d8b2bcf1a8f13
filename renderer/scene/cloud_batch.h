#pragma once
// The particle cloud as one batch of vertex arrays, so that a picture hands
// the whole cloud to OpenGL in one draw call rather than one call per corner.
// No OpenGL here: the batch is plain data, filled once per picture.
//
// Each square keeps the corners, texture coordinates and triangle split of a
// four-corner triangle strip (top right, top left, bottom right, bottom left;
// triangles (0, 1, 2) and (2, 1, 3), sharing the top-left to bottom-right
// diagonal), and every corner carries its particle's colour and opacity as
// floats. A rasteriser thus sees exactly the triangles a strip per particle
// would give it, and the picture stays the same to the last level.
//
// A picture writes only the corners, place and colour side by side in one
// interleaved array; the texture coordinates and the triangles' corner
// numbers are the same for every square and are set once, with the batch.
//
// Why this form: the squares stay indexed (four corners, six indices)
// because llvmpipe shades plain arrays of six corners a square at a
// clearly higher cost than the four it shades here. The indices are 32-bit,
// since OpenGL scans a client index array for its range before every draw
// and Mesa does that fastest for 32-bit indices. The colours stay floats:
// colours and opacities rounded to bytes change the sums of additive
// blending by many levels where particles crowd.

#include <array>
#include <cstdint>

#include "renderer/scene/particle_cloud.h"

namespace kestro {

constexpr int CORNERS_PER_SQUARE = 4;
constexpr int INDICES_PER_SQUARE = 6;
constexpr int TEXTURE_VALUES = 2;
constexpr int BATCH_CORNERS = PARTICLE_COUNT * CORNERS_PER_SQUARE;
constexpr float BASE_HALF_SIZE = 0.1f;

// One corner as OpenGL reads it from an interleaved array: its place, then
// its particle's colour and opacity.
struct CloudCorner {
    float x;
    float y;
    float z;
    float red;
    float green;
    float blue;
    float opacity;
};

struct CloudBatch {
    CloudBatch();

    // The squares of this picture, in table order; only the first
    // squareCount * CORNERS_PER_SQUARE corners are meaningful.
    std::array<CloudCorner, BATCH_CORNERS> corners{};
    // The same for every square, set once.
    std::array<float, BATCH_CORNERS * TEXTURE_VALUES> textureCoordinates{};
    std::array<uint32_t, PARTICLE_COUNT * INDICES_PER_SQUARE> indices{};
    int squareCount = 0;

    int indexCount() const { return squareCount * INDICES_PER_SQUARE; }
};

// Fills the batch with the squares of the particles that add to the picture,
// in table order, each as large as sizeScale makes it.
void batchCloud(const ParticleCloud& cloud, float sizeScale, CloudBatch& batch);

} // namespace kestro

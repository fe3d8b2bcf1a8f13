#pragma once
// The particle cloud as one batch of vertex arrays, so that a picture hands
// the whole cloud to OpenGL in one draw call rather than one call per corner.
// No OpenGL here: the batch is plain data, filled once per picture.
//
// Each square keeps the corners, texture coordinates and triangle split of a
// four-corner triangle strip (top right, top left, bottom right, bottom left;
// triangles (0, 1, 2) and (2, 1, 3), sharing the top-left to bottom-right
// diagonal), and every corner carries its particle's colour and opacity.
// A rasteriser thus sees exactly the triangles a strip per particle would
// give it, and the picture stays the same to the last level.
//
// A picture writes only the corners' places and colours; the texture
// coordinates and the triangles' corner numbers are the same for every
// square and are set once, with the batch.
//
// Why this form: OpenGL 1.1 has no buffers of its own, so a driver that
// cannot read the program's memory (any GPU's, and Mesa's without
// llvmpipe) copies every array of every draw, the static ones too; hence
// the fewest bytes a corner. Places and colours stay floats: colours and
// opacities rounded to bytes change the sums of additive blending by many
// levels where particles crowd. Texture coordinates, only ever 0 or 1, are
// shorts. Each array stands on its own, since Mesa copies an interleaved
// array once for every attribute in it. The squares stay indexed (four
// corners, six indices) because llvmpipe shades plain arrays of six corners
// a square at a clearly higher cost than the four it shades here; the
// indices stay 16-bit, as Mesa copies them too (32-bit ones, which it scans
// faster, cost more in the copy).

#include <array>
#include <cstdint>

#include "renderer/scene/particle_cloud.h"

namespace kestro {

constexpr int CORNERS_PER_SQUARE = 4;
constexpr int INDICES_PER_SQUARE = 6;
constexpr int PLACE_VALUES = 3;
constexpr int COLOUR_VALUES = 4;
constexpr int TEXTURE_VALUES = 2;
constexpr int BATCH_CORNERS = PARTICLE_COUNT * CORNERS_PER_SQUARE;
constexpr float BASE_HALF_SIZE = 0.1f;

struct CloudBatch {
    CloudBatch();

    // The squares of this picture, in table order; only the first
    // squareCount * CORNERS_PER_SQUARE corners are meaningful.
    // x, y, z of each corner.
    std::array<float, BATCH_CORNERS * PLACE_VALUES> places{};
    // Red, green, blue and opacity of each corner, its particle's.
    std::array<float, BATCH_CORNERS * COLOUR_VALUES> colours{};
    // The same for every square, set once.
    std::array<int16_t, BATCH_CORNERS * TEXTURE_VALUES> textureCoordinates{};
    std::array<uint16_t, PARTICLE_COUNT * INDICES_PER_SQUARE> indices{};
    int squareCount = 0;

    int indexCount() const { return squareCount * INDICES_PER_SQUARE; }
};

// Fills the batch with the squares of the particles that add to the picture,
// in table order, each as large as sizeScale makes it.
void batchCloud(const ParticleCloud& cloud, float sizeScale, CloudBatch& batch);

} // namespace kestro

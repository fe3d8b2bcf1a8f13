#pragma once
// One picture for the renderer: a BMP file decoded into RGBA pixels, and the
// OpenGL texture made from them. The reader (texture_image.cpp) is plain C++
// over the standard stream functions; the texture calls live apart in
// texture_object_gl.cpp so the reader can be tested without a GL context.

#include <cstdint>
#include <cstdio>

namespace kestro {

constexpr int PALETTE_ENTRY_COUNT = 256;
constexpr int RGBA_BYTES = 4;

// Largest width or height the reader accepts. The sprite is 32 x 32; this
// leaves room for any sensible texture while keeping every byte count of
// the reader (up to 16384 x 16384 x 4 = 1 GiB) far inside 32 bits signed.
constexpr int32_t BMP_MAX_DIMENSION = 16384;

// A palette entry exactly as the file stores it.
struct BmpPaletteEntry {
    uint8_t blue;
    uint8_t green;
    uint8_t red;
    uint8_t reserved;
};

class TextureImage {
  public:
    TextureImage();
    virtual ~TextureImage();

    TextureImage(const TextureImage&) = delete;
    TextureImage& operator=(const TextureImage&) = delete;

    // Drops any image held, then reads the file when its path ends in "bmp"
    // (any letter case). True when an image is held afterwards.
    bool load(const char* path);
    // Parses the file's headers and decodes its pixels; closes the file on
    // every path. True exactly when pixels is non-null afterwards.
    bool readBmp(const char* path);

    // Each is given the open file positioned at the pixel array and reads
    // imageSize bytes in one read; a short read leaves no image.
    bool decode32(FILE* file);
    bool decode24(FILE* file);
    bool decode16(FILE* file);
    bool decode8(FILE* file);
    bool decode4(FILE* file);

    // Exchanges bytes 0 and 2 of every pixel.
    void swapRedBlue();
    // Sets byte 3 of every pixel.
    void fillAlpha(uint8_t value);
    // Writes width x height RGBA pixels from rows of 3-byte pixels, skipping
    // rowSkip bytes after each row; exchange turns BGR into RGB.
    void expandRgb24(const uint8_t* source, int32_t rowSkip, bool exchange);
    // Reverses the row order so the first row in memory is the top row.
    bool flipVertical();

    // Makes a fresh mipmapped texture of the pixels in the current context.
    void createTexture();
    // Binds the texture when one exists; otherwise leaves the binding alone.
    void bind();

    uint32_t textureName;
    int32_t width;
    int32_t height;
    int32_t bitsPerPixel;
    uint8_t* pixels;
    BmpPaletteEntry palette[PALETTE_ENTRY_COUNT];
    uint32_t redMask;
    uint32_t greenMask;
    uint32_t blueMask;
    int32_t imageSize;

  private:
    void releasePixels();
    bool allocatePixels();
    // Bytes of one stored row at the current width and depth.
    int32_t rowStride() const;
    // Reads the pixel array into a fresh buffer of imageSize bytes, or
    // returns null on a short read or allocation failure.
    uint8_t* readPixelArray(FILE* file) const;
    // Reads the pixel array and hands each stored row, with the matching row
    // of fresh RGBA pixels, to convertRow; the result is a 32-bit image.
    template <typename ConvertRow> bool convertPixelArray(FILE* file, ConvertRow convertRow);
    void deleteTexture();
};

} // namespace kestro

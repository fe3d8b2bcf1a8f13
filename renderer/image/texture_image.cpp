#include "renderer/image/texture_image.h"

#include <cstring>
#include <utility>

#include "renderer/image/bmp_decoder.h"
#include "renderer/image/image_file.h"

namespace kestro {

namespace {

bool endsWithBmp(const char* path) {
    if (path == nullptr)
        return false;
    const size_t length = std::strlen(path);
    if (length < 3)
        return false;
    const char* ending = path + length - 3;
    const char expected[] = "bmp";
    for (int i = 0; i < 3; ++i) {
        char c = ending[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != expected[i])
            return false;
    }
    return true;
}

} // namespace

TextureImage::~TextureImage() {
    deleteTexture();
}

bool TextureImage::load(const char* path) {
    image_ = RgbaImage{};
    if (!endsWithBmp(path))
        return false;
    const auto bytes = readImageFile(path);
    if (!bytes)
        return false;
    return decode(bytes->data(), bytes->size());
}

bool TextureImage::decode(const uint8_t* bytes, size_t size) {
    image_ = RgbaImage{};
    std::optional<RgbaImage> decoded = decodeBmp(bytes, size);
    if (!decoded)
        return false;
    image_ = std::move(*decoded);
    return true;
}

const uint8_t* TextureImage::pixels() const {
    return image_.pixels.empty() ? nullptr : image_.pixels.data();
}

bool TextureImage::flipVertical() {
    if (image_.pixels.empty())
        return false;
    flipRows(image_);
    return true;
}

} // namespace kestro

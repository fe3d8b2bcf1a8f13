#include "renderer/image/image_file.h"

#include <cstdio>
#include <memory>

namespace kestro {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// Bytes in the file, or -1 when the stream cannot tell.
int64_t sizeOf(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    const long end = std::ftell(file);
    if (end < 0 || std::fseek(file, 0, SEEK_SET) != 0)
        return -1;
    return end;
}

} // namespace

std::optional<std::vector<uint8_t>> readImageFile(const char* path) {
    if (path == nullptr)
        return std::nullopt;
    std::FILE* opened = std::fopen(path, "rb");
    if (opened == nullptr)
        return std::nullopt;
    std::unique_ptr<std::FILE, FileCloser> file(opened);
    const int64_t size = sizeOf(file.get());
    if (size < 0 || size > IMAGE_FILE_MAX_BYTES)
        return std::nullopt;
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        return std::nullopt;
    return bytes;
}

} // namespace kestro

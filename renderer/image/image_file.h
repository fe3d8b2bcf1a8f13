#pragma once
// Reading a picture file whole into memory, for the decoder.

#include <cstdint>
#include <optional>
#include <vector>

namespace kestro {

// Larger files are refused unread: no picture the reader takes (at most
// 1 GiB of pixels) comes near it.
constexpr int64_t IMAGE_FILE_MAX_BYTES = INT32_MAX;

// The file's bytes, or nothing when it cannot be opened or read; the file is
// closed on every path.
std::optional<std::vector<uint8_t>> readImageFile(const char* path);

} // namespace kestro

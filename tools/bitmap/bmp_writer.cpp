#include "tools/bitmap/bmp_writer.h"

#include <cstdio>

namespace kestro::tools {

namespace {

constexpr uint16_t PLANES = 1;

} // namespace

void AppendLe16(Bytes& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void AppendLe32(Bytes& out, uint32_t value) {
    AppendLe16(out, value & 0xFFFF);
    AppendLe16(out, value >> 16);
}

uint32_t BmpStride(int32_t width, int bitsPerPixel) {
    return static_cast<uint32_t>(((static_cast<int64_t>(width) * bitsPerPixel + 31) / 8) &
                                 ~int64_t{3});
}

Bytes BmpInfoHeaderBytes(const BmpLayout& layout) {
    Bytes info;
    AppendLe32(info, layout.headerSize);
    AppendLe32(info, static_cast<uint32_t>(layout.width));
    AppendLe32(info, static_cast<uint32_t>(layout.height));
    AppendLe16(info, PLANES);
    AppendLe16(info, layout.bitsPerPixel);
    AppendLe32(info, layout.compression);
    const uint32_t imageSize =
        layout.imageSizeField < 0
            ? BmpStride(layout.width, layout.bitsPerPixel) * static_cast<uint32_t>(layout.height)
            : static_cast<uint32_t>(layout.imageSizeField);
    AppendLe32(info, imageSize);
    AppendLe32(info, static_cast<uint32_t>(layout.pixelsPerMetre));
    AppendLe32(info, static_cast<uint32_t>(layout.pixelsPerMetre));
    AppendLe32(info, layout.coloursUsed);
    AppendLe32(info, 0); // important colours: all
    for (uint32_t mask : layout.masks)
        AppendLe32(info, mask);
    while (info.size() < layout.headerSize && layout.headerSize >= BMP_INFO_HEADER_SIZE)
        info.push_back(0);
    for (uint32_t entry : layout.paletteBgr)
        AppendLe32(info, entry);
    return info;
}

Bytes BmpFileBytes(const BmpLayout& layout) {
    const Bytes info = BmpInfoHeaderBytes(layout);

    const uint32_t naturalOffset = BMP_FILE_HEADER_SIZE + static_cast<uint32_t>(info.size());
    const uint32_t pixelOffset =
        layout.pixelOffset < 0 ? naturalOffset : static_cast<uint32_t>(layout.pixelOffset);
    Bytes file;
    file.reserve(naturalOffset + layout.pixelArray.size());
    file.push_back(static_cast<uint8_t>(layout.signature[0]));
    file.push_back(static_cast<uint8_t>(layout.signature[1]));
    AppendLe32(file, naturalOffset + static_cast<uint32_t>(layout.pixelArray.size()));
    AppendLe32(file, 0); // reserved
    AppendLe32(file, pixelOffset);
    file.insert(file.end(), info.begin(), info.end());
    while (layout.padToPixelOffset && file.size() < pixelOffset)
        file.push_back(0);
    file.insert(file.end(), layout.pixelArray.begin(), layout.pixelArray.end());
    return file;
}

Bytes Bmp24File(int32_t width, int32_t height, const std::function<BmpRgb(int, int)>& pixelAt,
                int32_t pixelsPerMetre) {
    BmpLayout layout;
    layout.width = width;
    layout.height = height;
    layout.bitsPerPixel = 24;
    layout.pixelsPerMetre = pixelsPerMetre;
    layout.imageSizeField = -1;
    const uint32_t stride = BmpStride(width, layout.bitsPerPixel);
    layout.pixelArray.reserve(static_cast<size_t>(stride) * height);
    for (int y = height - 1; y >= 0; --y) {
        const size_t rowStart = layout.pixelArray.size();
        for (int x = 0; x < width; ++x) {
            const BmpRgb pixel = pixelAt(x, y);
            layout.pixelArray.insert(layout.pixelArray.end(), {pixel.blue, pixel.green, pixel.red});
        }
        layout.pixelArray.resize(rowStart + stride, 0);
    }
    return BmpFileBytes(layout);
}

bool WriteBytesToFile(const std::string& path, const Bytes& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written =
        bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

} // namespace kestro::tools

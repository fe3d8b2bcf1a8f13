// Files the reader refuses: wrong kind, unsupported forms, damaged or
// inconsistent sizes. The decoder gives nothing for each; loading one drops
// the picture held before and leaves the file closed.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>

#include "renderer/image/bmp_decoder.h"
#include "renderer/image/texture_image.h"
#include "tests/support/scratch_folder.h"
#include "tools/bitmap/bmp_writer.h"

namespace kestro {
namespace {

using tools::BmpFileBytes;
using tools::BmpLayout;

BmpLayout validTwentyFourBit() {
    BmpLayout layout;
    layout.width = 2;
    layout.height = 2;
    layout.bitsPerPixel = 24;
    layout.pixelArray = std::vector<uint8_t>(16, 0x40);
    return layout;
}

struct RejectedFile {
    const char* name;
    std::function<std::vector<uint8_t>()> bytes;
};

std::vector<uint8_t> withLayout(const std::function<void(BmpLayout&)>& change) {
    BmpLayout layout = validTwentyFourBit();
    change(layout);
    return BmpFileBytes(layout);
}

std::vector<RejectedFile> rejectedFiles() {
    return {
        {"wrong signature", [] { return withLayout([](BmpLayout& l) { l.signature[1] = 'A'; }); }},
        {"core header", [] { return withLayout([](BmpLayout& l) { l.headerSize = 12; }); }},
        {"run-length 8", [] { return withLayout([](BmpLayout& l) { l.compression = 1; }); }},
        {"run-length 4", [] { return withLayout([](BmpLayout& l) { l.compression = 2; }); }},
        {"one bit",
         [] {
             return withLayout([](BmpLayout& l) {
                 l.bitsPerPixel = 1;
                 l.paletteBgr = {0, 0xFFFFFF};
                 l.pixelArray = std::vector<uint8_t>(8, 0xFF);
             });
         }},
        {"depth 15", [] { return withLayout([](BmpLayout& l) { l.bitsPerPixel = 15; }); }},
        {"depth 0", [] { return withLayout([](BmpLayout& l) { l.bitsPerPixel = 0; }); }},
        {"truncated pixels",
         [] { return withLayout([](BmpLayout& l) { l.pixelArray.resize(15); }); }},
        {"no pixels at all", [] { return withLayout([](BmpLayout& l) { l.pixelArray.clear(); }); }},
        {"truncated header",
         [] {
             auto bytes = BmpFileBytes(validTwentyFourBit());
             bytes.resize(40);
             return bytes;
         }},
        {"empty file", [] { return std::vector<uint8_t>{}; }},
        {"pixel offset past the end",
         [] {
             return withLayout([](BmpLayout& l) {
                 l.pixelOffset = 4096;
                 l.padToPixelOffset = false;
             });
         }},
        {"pixel offset beyond 2 GiB",
         [] {
             return withLayout([](BmpLayout& l) {
                 l.pixelOffset = 0xFFFFFFF0u;
                 l.padToPixelOffset = false;
             });
         }},
        {"zero width", [] { return withLayout([](BmpLayout& l) { l.width = 0; }); }},
        {"zero height", [] { return withLayout([](BmpLayout& l) { l.height = 0; }); }},
        {"top-down (negative height)",
         [] { return withLayout([](BmpLayout& l) { l.height = -2; }); }},
        {"negative width", [] { return withLayout([](BmpLayout& l) { l.width = -2; }); }},
        {"width over the limit",
         [] { return withLayout([](BmpLayout& l) { l.width = BMP_MAX_DIMENSION + 1; }); }},
        {"byte count overflowing 32 bits",
         [] {
             return withLayout([](BmpLayout& l) {
                 l.width = 0x7FFFFFFF;
                 l.height = 0x7FFFFFFF;
                 l.bitsPerPixel = 32;
             });
         }},
        {"huge picture in a tiny file",
         [] {
             return withLayout([](BmpLayout& l) {
                 l.width = BMP_MAX_DIMENSION;
                 l.height = BMP_MAX_DIMENSION;
                 l.bitsPerPixel = 32;
             });
         }},
        {"image size smaller than stride x height",
         [] { return withLayout([](BmpLayout& l) { l.imageSizeField = 12; }); }},
        {"image size beyond the file",
         [] { return withLayout([](BmpLayout& l) { l.imageSizeField = 0x7FFFFFF0; }); }},
        {"image size above 2 GiB",
         [] { return withLayout([](BmpLayout& l) { l.imageSizeField = 0xFFFFFFF0u; }); }},
        {"32-bit image size larger than the pixel buffer",
         [] {
             return withLayout([](BmpLayout& l) {
                 l.bitsPerPixel = 32;
                 l.imageSizeField = 20;
                 l.pixelArray = std::vector<uint8_t>(20, 1);
             });
         }},
        {"32-bit image size smaller than the pixel buffer",
         [] {
             return withLayout([](BmpLayout& l) {
                 l.bitsPerPixel = 32;
                 l.imageSizeField = 12;
                 l.pixelArray = std::vector<uint8_t>(16, 1);
             });
         }},
        {"more than 256 colours used",
         [] {
             return withLayout([](BmpLayout& l) {
                 l.bitsPerPixel = 8;
                 l.coloursUsed = 257;
                 l.paletteBgr = std::vector<uint32_t>(257, 0);
                 l.pixelArray = std::vector<uint8_t>(8, 0);
             });
         }},
        {"palette cut short",
         [] {
             BmpLayout l = validTwentyFourBit();
             l.bitsPerPixel = 8;
             l.pixelArray.clear();
             auto bytes = BmpFileBytes(l);
             bytes.resize(54 + 100); // 256 entries expected, 25 present
             return bytes;
         }},
        {"palette long enough for one byte an entry, not four",
         [] {
             // 256 entries need 1024 bytes; 300 are there, then the pixels.
             // Read in full, the palette would run 724 bytes past the end.
             BmpLayout l = validTwentyFourBit();
             l.bitsPerPixel = 8;
             l.coloursUsed = 256;
             l.paletteBgr = std::vector<uint32_t>(75, 0x808080);
             l.pixelArray = std::vector<uint8_t>(8, 0);
             return BmpFileBytes(l);
         }},
        {"bit-field masks cut short",
         [] {
             BmpLayout l = validTwentyFourBit();
             l.bitsPerPixel = 16;
             l.compression = 3;
             l.pixelArray.clear();
             auto bytes = BmpFileBytes(l);
             bytes.resize(60);
             return bytes;
         }},
    };
}

// Open descriptors of this process where the system can tell, else 0.
long openFileCount() {
#ifdef __linux__
    return static_cast<long>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                           std::filesystem::directory_iterator()));
#else
    return 0;
#endif
}

class BmpRejection : public ::testing::Test {
  protected:
    testing::ScratchFolder scratch;
};

TEST_F(BmpRejection, DecoderGivesNothingForEveryRejectedFile) {
    for (const auto& rejected : rejectedFiles()) {
        SCOPED_TRACE(rejected.name);
        const std::vector<uint8_t> bytes = rejected.bytes();
        EXPECT_FALSE(decodeBmp(bytes.data(), bytes.size()).has_value());
    }
    EXPECT_FALSE(decodeBmp(nullptr, 0).has_value());
}

TEST_F(BmpRejection, EveryRejectedFileLeavesNoImageEvenAfterAGoodOne) {
    const std::string goodPath = scratch.path("good.bmp");
    ASSERT_TRUE(tools::WriteBytesToFile(goodPath, BmpFileBytes(validTwentyFourBit())));
    for (const auto& rejected : rejectedFiles()) {
        SCOPED_TRACE(rejected.name);
        TextureImage image;
        ASSERT_TRUE(image.load(goodPath.c_str()));
        const std::string path = scratch.path("rejected.bmp");
        ASSERT_TRUE(tools::WriteBytesToFile(path, rejected.bytes()));
        EXPECT_FALSE(image.load(path.c_str()));
        EXPECT_EQ(image.pixels(), nullptr);
        EXPECT_EQ(image.width(), 0);
    }
}

TEST_F(BmpRejection, TheFileIsClosedOnEveryPath) {
    // A file still held open cannot be removed on Windows, and leaves a
    // descriptor behind elsewhere; both show up here.
    const auto before = openFileCount();
    auto files = rejectedFiles();
    files.push_back({"good", [] { return BmpFileBytes(validTwentyFourBit()); }});
    for (const auto& rejected : files) {
        SCOPED_TRACE(rejected.name);
        const std::string path = scratch.path("closed.bmp");
        ASSERT_TRUE(tools::WriteBytesToFile(path, rejected.bytes()));
        TextureImage image;
        image.load(path.c_str());
        std::error_code error;
        EXPECT_TRUE(std::filesystem::remove(path, error)) << error.message();
        EXPECT_EQ(openFileCount(), before);
    }
}

} // namespace
} // namespace kestro

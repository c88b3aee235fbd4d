// The bitmap loader: every width and both row orders come out bottom-up and
// tightly packed; anything but an intact 24-bit file fails cleanly.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/sdl/bitmap.h"

namespace pelmora {
namespace {

namespace fs = std::filesystem;

// Every pixel of the test picture differs; y counts from the bottom row.
uint8_t channel(int x, int y, int c) {
    return static_cast<uint8_t>(x * 7 + y * 50 + c * 85);
}

void put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

std::vector<uint8_t> bmpBytes(int width, int height, bool topDown, int bits = 24) {
    auto stride = static_cast<uint32_t>((width * bits / 8 + 3) / 4 * 4);
    std::vector<uint8_t> out{'B', 'M'};
    put(out, 54 + stride * static_cast<uint32_t>(height), 4);
    put(out, 0, 4);
    put(out, 54, 4);
    put(out, 40, 4);
    put(out, static_cast<uint32_t>(width), 4);
    put(out, static_cast<uint32_t>(topDown ? -height : height), 4);
    put(out, 1, 2);
    put(out, static_cast<uint32_t>(bits), 2);
    out.resize(54, 0);  // uncompressed, no palette
    for (int row = 0; row < height; ++row) {
        std::size_t start = out.size();
        int y = topDown ? height - 1 - row : row;
        for (int x = 0; x < width; ++x) {
            for (int c = bits / 8 - 1; c >= 0; --c)
                out.push_back(channel(x, y, c));  // blue, green, red
        }
        out.resize(start + stride, 0);
    }
    return out;
}

class BitmapFiles : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }
    std::string write(const std::vector<uint8_t>& bytes) {
        fs::path path = dir_ / "p.bmp";
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }
    fs::path dir_ = fs::temp_directory_path() / ("pelmora_bmp_" + std::to_string(::getpid()));
};

TEST_F(BitmapFiles, EveryWidthAndBothRowOrdersLoadPixelExact) {
    for (int width : {1, 2, 3, 5, 1024}) {
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(std::to_string(width) + (topDown ? " top-down" : " bottom-up"));
            Image image = loadBitmapFile(write(bmpBytes(width, 3, topDown)));
            ASSERT_TRUE(image.loaded);
            ASSERT_EQ(image.width, width);
            ASSERT_EQ(image.height, 3);
            std::vector<uint8_t> want;
            for (int y = 0; y < 3; ++y) {
                for (int x = 0; x < width; ++x) {
                    for (int c = 0; c < 3; ++c)
                        want.push_back(channel(x, y, c));  // red first
                }
            }
            ASSERT_EQ(image.pixels, want);
        }
    }
}

TEST_F(BitmapFiles, MissingTruncatedDamagedAndOtherDepthsFailCleanly) {
    EXPECT_FALSE(loadBitmapFile((dir_ / "absent.bmp").string()).loaded);
    std::vector<uint8_t> whole = bmpBytes(5, 3, false);
    EXPECT_FALSE(loadBitmapFile(write({whole.begin(), whole.end() - 3})).loaded);  // last pixel cut
    EXPECT_FALSE(loadBitmapFile(write({whole.begin(), whole.begin() + 30})).loaded);
    EXPECT_FALSE(loadBitmapFile(write(bmpBytes(4, 4, false, 8))).loaded);
    EXPECT_FALSE(loadBitmapFile(write(bmpBytes(4, 4, true, 32))).loaded);
    std::vector<uint8_t> damaged = whole;
    damaged[25] = 0x80;  // the most negative height
    for (int i = 22; i < 25; ++i)
        damaged[static_cast<std::size_t>(i)] = 0;
    EXPECT_FALSE(loadBitmapFile(write(damaged)).loaded);
    damaged = whole;
    damaged[21] = 0x70;  // a width far beyond what the file holds
    EXPECT_FALSE(loadBitmapFile(write(damaged)).loaded);
}

}  // namespace
}  // namespace pelmora

// The bitmap loader: every width and both row orders come out bottom-up and
// tightly packed; anything but an intact 24-bit file fails cleanly.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/sdl/bitmap.h"
#include "platform/sdl/sdl_system.h"

namespace pelmora {
namespace {

namespace fs = std::filesystem;

struct Rgb {
    uint8_t r, g, b;
};

// A picture where every pixel differs, addressed from the bottom row up.
Rgb pixelAt(int x, int yFromBottom) {
    return {static_cast<uint8_t>(x * 7 + yFromBottom), static_cast<uint8_t>(x / 3 + 50 * yFromBottom),
            static_cast<uint8_t>(255 - x - yFromBottom * 11)};
}

void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

struct BmpShape {
    int width = 1;
    int height = 1;
    bool topDown = false;
    uint16_t bits = 24;
    uint32_t compression = 0;
};

std::vector<uint8_t> bmpBytes(const BmpShape& shape) {
    int bytesPerPixel = shape.bits / 8;
    uint32_t stride = (static_cast<uint32_t>(shape.width * shape.bits) / 8 + 3) / 4 * 4;
    uint32_t imageBytes = stride * static_cast<uint32_t>(shape.height);
    std::vector<uint8_t> out{'B', 'M'};
    put32(out, 54 + imageBytes);
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, static_cast<uint32_t>(shape.width));
    put32(out, static_cast<uint32_t>(shape.topDown ? -shape.height : shape.height));
    put16(out, 1);
    put16(out, shape.bits);
    put32(out, shape.compression);
    put32(out, imageBytes);
    for (int i = 0; i < 4; ++i) put32(out, 0);
    for (int row = 0; row < shape.height; ++row) {
        int y = shape.topDown ? shape.height - 1 - row : row;
        std::size_t rowStart = out.size();
        for (int x = 0; x < shape.width; ++x) {
            Rgb p = pixelAt(x, y);
            uint8_t bgra[4] = {p.b, p.g, p.r, 0xFF};
            out.insert(out.end(), bgra, bgra + (bytesPerPixel == 1 ? 1 : std::min(bytesPerPixel, 4)));
        }
        out.resize(rowStart + stride, 0);
    }
    return out;
}

class BitmapFiles : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("pelmora_bmp_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string write(const std::string& name, const std::vector<uint8_t>& bytes) {
        fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    fs::path dir_;
};

void expectPicture(const Image& image, int width, int height) {
    ASSERT_TRUE(image.loaded);
    ASSERT_EQ(image.width, width);
    ASSERT_EQ(image.height, height);
    ASSERT_EQ(image.pixels.size(), static_cast<std::size_t>(width * height * 3));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint8_t* got = &image.pixels[static_cast<std::size_t>((y * width + x) * 3)];
            Rgb want = pixelAt(x, y);
            ASSERT_EQ(got[0], want.r) << "x " << x << " y " << y;
            ASSERT_EQ(got[1], want.g) << "x " << x << " y " << y;
            ASSERT_EQ(got[2], want.b) << "x " << x << " y " << y;
        }
    }
}

TEST_F(BitmapFiles, EveryWidthAndBothRowOrdersLoadPixelExact) {
    for (int width : {1, 2, 3, 5, 1024}) {
        for (bool topDown : {false, true}) {
            SCOPED_TRACE("width " + std::to_string(width) + (topDown ? " top-down" : " bottom-up"));
            int height = width == 1024 ? 3 : 4;
            std::string path = write("p.bmp", bmpBytes({width, height, topDown}));
            expectPicture(loadBitmapFile(path), width, height);
        }
    }
}

TEST_F(BitmapFiles, GamePathsWithBackslashesAreFound) {
    fs::create_directories(dir_ / "textures");
    write("textures/Menu.bmp", bmpBytes({3, 2}));
    fs::path old = fs::current_path();
    fs::current_path(dir_);
    SdlSystem system;
    Image image = system.loadBitmap("textures\\Menu.bmp");
    fs::current_path(old);
    expectPicture(image, 3, 2);
}

TEST_F(BitmapFiles, MissingTruncatedAndOtherDepthsFailCleanly) {
    EXPECT_FALSE(loadBitmapFile((dir_ / "absent.bmp").string()).loaded);
    EXPECT_FALSE(loadBitmapFile(dir_.string()).loaded);  // a folder, not a file

    std::vector<uint8_t> whole = bmpBytes({5, 3});
    std::vector<uint8_t> noLastPixel(whole.begin(), whole.end() - 2 - 1);  // pad is 1 byte
    EXPECT_FALSE(loadBitmapFile(write("cut.bmp", noLastPixel)).loaded);
    std::vector<uint8_t> headerOnly(whole.begin(), whole.begin() + 30);
    EXPECT_FALSE(loadBitmapFile(write("head.bmp", headerOnly)).loaded);
    EXPECT_FALSE(loadBitmapFile(write("empty.bmp", {})).loaded);

    for (uint16_t bits : {8, 32}) {
        BmpShape shape{4, 4};
        shape.bits = bits;
        EXPECT_FALSE(loadBitmapFile(write("depth.bmp", bmpBytes(shape))).loaded) << bits;
    }
    BmpShape compressed{4, 4};
    compressed.compression = 1;
    EXPECT_FALSE(loadBitmapFile(write("rle.bmp", bmpBytes(compressed))).loaded);
}

TEST_F(BitmapFiles, MissingPaddingAfterTheLastRowIsTolerated) {
    std::vector<uint8_t> whole = bmpBytes({5, 3});
    std::vector<uint8_t> unpadded(whole.begin(), whole.end() - 1);
    expectPicture(loadBitmapFile(write("unpadded.bmp", unpadded)), 5, 3);
}

TEST_F(BitmapFiles, ImpossibleSizesFailWithoutReading) {
    std::vector<uint8_t> bytes = bmpBytes({2, 2});
    auto patch32 = [&](std::size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
    };
    patch32(18, 0);  // width 0
    EXPECT_FALSE(loadBitmapFile(write("w0.bmp", bytes)).loaded);
    patch32(18, 2);
    patch32(22, 0x80000000u);  // the most negative height
    EXPECT_FALSE(loadBitmapFile(write("hmin.bmp", bytes)).loaded);
    patch32(22, 2);
    patch32(18, 2000000000u);  // far more pixels than the file holds
    EXPECT_FALSE(loadBitmapFile(write("huge.bmp", bytes)).loaded);
    patch32(18, 2);
    patch32(10, 0xFFFFFF00u);  // pixels said to lie beyond the end of the file
    EXPECT_FALSE(loadBitmapFile(write("off.bmp", bytes)).loaded);
}

}  // namespace
}  // namespace pelmora

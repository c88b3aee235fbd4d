// The check both systems' bitmap loaders stand behind: what a header claims,
// held against the size of the file it heads.
#include <gtest/gtest.h>

#include <vector>

#include "platform/bitmap_file.h"

namespace pelmora {
namespace {

struct Header { uint32_t pixelOffset, width, height; uint16_t bits; uint32_t compression, coloursUsed; };

// A file header and a 40-byte info header.
std::vector<uint8_t> bytesOf(const Header& h) {
    std::vector<uint8_t> out(BitmapHeaderBytes, 0);
    const auto put = [&out](size_t at, uint32_t v) {
        for (size_t i = 0; i < 4; ++i) out[at + i] = uint8_t(v >> (8 * i));
    };
    out[0] = 'B', out[1] = 'M';
    put(10, h.pixelOffset), put(14, 40), put(18, h.width), put(22, h.height);
    put(28, h.bits), put(30, h.compression), put(46, h.coloursUsed);
    return out;
}

TEST(BitmapHeader, WhatTheHeaderClaimsMustLieInTheFile) {
    const uint32_t topDown = uint32_t(-3), side = uint32_t(MaxBitmapSide);
    // 5 x 3 at 24 bits: two rows of 15 bytes padded to 16, the last one unpadded.
    const std::tuple<Header, uint64_t, bool> cases[] = {
        {{54, 5, 3, 24, 0, 0}, 101, true},
        {{54, 5, 3, 24, 0, 0}, 100, false},
        {{54, 5, topDown, 24, 0, 0}, 101, true},
        {{54, 5, 3, 24, 0, 0}, 54, false},  // only the header left
        {{54, side, 1, 24, 0, 0}, 54 + 3 * side, true},
        {{54, side + 1, 1, 24, 0, 0}, MaxBitmapFileBytes, false},
        {{54, 0, 3, 24, 0, 0}, 101, false},
        {{54, 5, 3, 0, 0, 0}, 101, false},
        {{54, 5, 3, 24, 4, 0}, MaxBitmapFileBytes, false},  // a compression nobody here reads
        {{54, 5, 3, 24, 0, 0}, MaxBitmapFileBytes + 1, false},
        // A full table of 256 colours, then one sized by the colours used.
        {{1078, 4, 2, 8, 0, 0}, 1086, true},
        {{54, 4, 2, 8, 0, 0}, 62, false},
        {{62, 4, 2, 8, 0, 2}, 70, true},
        {{1078, 4, 2, 8, 0, 0}, 1085, false},
        // A run-length pair paints at most 255 pixels from two bytes.
        {{62, 256, 1, 8, 1, 2}, 64, true},
        {{62, 257, 1, 8, 1, 2}, 64, false},
        {{62, 4, 2, 8, 1, 2}, 62, false},
    };
    for (const auto& [header, fileBytes, fits] : cases) {
        const std::vector<uint8_t> bytes = bytesOf(header);
        EXPECT_EQ(bitmapHeaderFits(bytes.data(), bytes.size(), fileBytes), fits)
            << header.width << " x " << int32_t(header.height) << " x " << header.bits << ", compression "
            << header.compression << ", " << fileBytes << " bytes";
    }
    const std::vector<uint8_t> plain = bytesOf({54, 5, 3, 24, 0, 0});
    EXPECT_FALSE(bitmapHeaderFits(plain.data(), 30, 101)) << "a header cut short";
    EXPECT_FALSE(bitmapHeaderFits(plain.data() + 1, plain.size() - 1, 100)) << "no BM";
}

}  // namespace
}  // namespace pelmora

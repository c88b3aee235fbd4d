// Bitmap files as paint programs save them, for the tests of both systems'
// loaders: each depth, plain, run-length or bit-field pixels, the oldest
// header or the common one, rows from the bottom or from the top. Each holds
// a pattern of eight colours in which neighbouring pixels and rows differ.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace pelmora::bmp {

struct Encoding {
    int bits;
    uint32_t compression;  // 0 plain, 1 run-length 8-bit, 3 bit fields
    bool core;             // the oldest, 12-byte header
    bool topDown;
};

// Every channel 0 or 255, so that each depth holds the colours exactly.
inline std::array<uint8_t, 3> colour(int index) {
    return {uint8_t(index & 1 ? 255 : 0), uint8_t(index & 2 ? 255 : 0), uint8_t(index & 4 ? 255 : 0)};
}
// y counts from the bottom row.
inline int colourAt(int x, int y, int bits) { return bits == 1 ? (x + y) % 2 : (x + 2 * y) % 8; }

inline void put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

// One stored row, padded to four bytes.
inline std::vector<uint8_t> pixelRow(const Encoding& e, int w, int y) {
    std::vector<uint8_t> row;
    if (e.compression == 1) {
        for (int x = 0; x < w; ++x) row.insert(row.end(), {1, uint8_t(colourAt(x, y, 8))});
        return row.insert(row.end(), {0, 0}), row;  // end of line
    }
    uint32_t bitsHeld = 0, held = 0;
    for (int x = 0; x < w; ++x) {
        const auto c = colour(colourAt(x, y, e.bits));
        if (e.bits >= 16) {
            const uint32_t v = e.bits == 16 ? uint32_t(c[0] >> 3 << 10 | c[1] >> 3 << 5 | c[2] >> 3)
                                            : uint32_t(c[0] << 16 | c[1] << 8 | c[2]);
            put(row, v, e.bits / 8);
            continue;
        }
        held = held << e.bits | uint32_t(colourAt(x, y, e.bits)), bitsHeld += uint32_t(e.bits);
        if (bitsHeld == 8) row.push_back(uint8_t(held)), bitsHeld = held = 0;
    }
    if (bitsHeld > 0) row.push_back(uint8_t(held << (8 - bitsHeld)));
    row.resize((row.size() + 3) / 4 * 4, 0);
    return row;
}

inline std::vector<uint8_t> file(const Encoding& e, int w, int h) {
    std::vector<uint8_t> pixels;
    for (int i = 0; i < h; ++i) {
        const auto row = pixelRow(e, w, e.topDown ? h - 1 - i : i);
        pixels.insert(pixels.end(), row.begin(), row.end());
    }
    if (e.compression == 1) pixels.insert(pixels.end(), {0, 1});  // end of picture
    // The oldest header has no colour count: its table is always full.
    const int colours = e.bits > 8 ? 0 : e.core ? 1 << e.bits : e.bits == 1 ? 2 : 8;
    const int infoSize = e.core ? 12 : 40;
    const int tables = colours * (e.core ? 3 : 4) + (e.compression == 3 ? 12 : 0);
    const auto offset = uint32_t(14 + infoSize + tables);
    std::vector<uint8_t> out{'B', 'M'};
    put(out, offset + uint32_t(pixels.size()), 4), put(out, 0, 4), put(out, offset, 4);
    put(out, uint32_t(infoSize), 4);
    if (e.core) {
        put(out, uint32_t(w), 2), put(out, uint32_t(h), 2), put(out, 1, 2), put(out, uint32_t(e.bits), 2);
    } else {
        put(out, uint32_t(w), 4), put(out, uint32_t(e.topDown ? -h : h), 4), put(out, 1, 2);
        put(out, uint32_t(e.bits), 2), put(out, e.compression, 4), put(out, uint32_t(pixels.size()), 4);
        put(out, 2835, 4), put(out, 2835, 4), put(out, uint32_t(colours), 4), put(out, 0, 4);
    }
    if (e.compression == 3) put(out, 0xFF0000, 4), put(out, 0xFF00, 4), put(out, 0xFF, 4);
    for (int i = 0; i < colours; ++i) {
        const auto c = colour(i % 8);
        out.insert(out.end(), {c[2], c[1], c[0]});
        if (!e.core) out.push_back(0);
    }
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

// What a loader gives for it: rows from the bottom, red, green, blue, packed.
inline std::vector<uint8_t> loaded(const Encoding& e, int w, int h) {
    std::vector<uint8_t> out;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const auto c = colour(colourAt(x, y, e.bits));
            out.insert(out.end(), c.begin(), c.end());
        }
    return out;
}

}  // namespace pelmora::bmp

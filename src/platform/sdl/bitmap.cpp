#include "platform/sdl/bitmap.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace pelmora {
namespace {

constexpr std::size_t FileHeaderSize = 14;
constexpr uint32_t CoreHeaderSize = 12;  // the oldest info header, 16-bit sizes
constexpr uint32_t InfoHeaderSize = 40;
constexpr uint32_t Uncompressed = 0;
// Far beyond any picture the game draws; keeps a damaged header from asking
// for gigabytes.
constexpr int64_t MaxSide = 16384;

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

struct Layout {
    int64_t width = 0;
    int64_t height = 0;  // always positive here
    bool topDown = false;
    int64_t pixelOffset = 0;
    int64_t stride = 0;  // bytes per row in the file, padded to 4
};

uint32_t readU16(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8;
}
uint32_t readU32(const uint8_t* p) {
    return readU16(p) | readU16(p + 2) << 16;
}
int32_t readI32(const uint8_t* p) {
    return static_cast<int32_t>(readU32(p));
}

std::optional<Layout> parseHeaders(const std::vector<uint8_t>& h) {
    if (h.size() < FileHeaderSize + 4 || h[0] != 'B' || h[1] != 'M') return std::nullopt;
    const uint8_t* info = h.data() + FileHeaderSize;
    uint32_t infoSize = readU32(info);
    Layout layout;
    layout.pixelOffset = readU32(h.data() + 10);
    uint32_t bits = 0;
    if (infoSize == CoreHeaderSize && h.size() >= FileHeaderSize + CoreHeaderSize) {
        layout.width = readU16(info + 4);
        layout.height = readU16(info + 6);
        bits = readU16(info + 10);
    } else if (infoSize >= InfoHeaderSize && h.size() >= FileHeaderSize + InfoHeaderSize) {
        layout.width = readI32(info + 4);
        int64_t height = readI32(info + 8);
        layout.topDown = height < 0;
        layout.height = layout.topDown ? -height : height;
        bits = readU16(info + 14);
        if (readU32(info + 16) != Uncompressed) return std::nullopt;
    } else {
        return std::nullopt;
    }
    if (bits != 24) return std::nullopt;
    if (layout.width < 1 || layout.width > MaxSide) return std::nullopt;
    if (layout.height < 1 || layout.height > MaxSide) return std::nullopt;
    layout.stride = (layout.width * 3 + 3) / 4 * 4;
    return layout;
}

// The pixel rows as stored; the last row may lack its padding.
std::optional<std::vector<uint8_t>> readRows(std::FILE* file, const Layout& layout) {
    auto bytes = static_cast<std::size_t>(layout.stride * (layout.height - 1) + layout.width * 3);
    std::vector<uint8_t> rows(bytes);
    if (std::fseek(file, static_cast<long>(layout.pixelOffset), SEEK_SET) != 0) return std::nullopt;
    if (std::fread(rows.data(), 1, bytes, file) != bytes) return std::nullopt;
    return rows;
}

Image toImage(const std::vector<uint8_t>& rows, const Layout& layout) {
    Image image;
    image.width = static_cast<int32_t>(layout.width);
    image.height = static_cast<int32_t>(layout.height);
    auto rowBytes = static_cast<std::size_t>(layout.width * 3);
    image.pixels.resize(rowBytes * static_cast<std::size_t>(layout.height));
    for (int64_t y = 0; y < layout.height; ++y) {
        int64_t fileRow = layout.topDown ? layout.height - 1 - y : y;
        const uint8_t* from = rows.data() + fileRow * layout.stride;
        uint8_t* to = image.pixels.data() + static_cast<std::size_t>(y) * rowBytes;
        for (std::size_t i = 0; i < rowBytes; i += 3) {  // the file holds blue, green, red
            to[i] = from[i + 2];
            to[i + 1] = from[i + 1];
            to[i + 2] = from[i];
        }
    }
    image.loaded = true;
    return image;
}

}  // namespace

Image loadBitmapFile(const std::string& hostPath) {
    File file(std::fopen(hostPath.c_str(), "rb"));
    if (!file) return {};
    std::vector<uint8_t> headers(FileHeaderSize + InfoHeaderSize);
    headers.resize(std::fread(headers.data(), 1, headers.size(), file.get()));
    std::optional<Layout> layout = parseHeaders(headers);
    if (!layout) return {};
    std::optional<std::vector<uint8_t>> rows = readRows(file.get(), *layout);
    if (!rows) return {};
    return toImage(*rows, *layout);
}

}  // namespace pelmora

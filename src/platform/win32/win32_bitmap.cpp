// Bitmap files through the system's loader, once the shared header check has
// held the header's claims against the file's size: the loader itself trusts
// the header and reads past the end of a file cut short. Any DIB it accepts
// comes out as 24-bit, bottom-up rows, repacked from the system's 4-byte row
// padding.
#include <cstdlib>
#include <vector>

#include "platform/bitmap_file.h"
#include "platform/win32/win32_handles.h"

namespace pelmora {
namespace {

// Room for the colour table or masks the system may write after the header.
struct BitmapInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
};

struct BitmapHandle {
    HBITMAP bitmap;
    ~BitmapHandle() {
        if (bitmap != nullptr) DeleteObject(bitmap);
    }
};

struct FileHandle {
    HANDLE handle;
    ~FileHandle() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    }
};

// Only an ordinary file is read, and only its front.
bool headerFits(const char* path) {
    FileHandle file{CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr)};
    if (file.handle == INVALID_HANDLE_VALUE || GetFileType(file.handle) != FILE_TYPE_DISK) return false;
    LARGE_INTEGER size{};
    uint8_t header[BitmapHeaderBytes];
    DWORD got = 0;
    return GetFileSizeEx(file.handle, &size) &&
           ReadFile(file.handle, header, sizeof header, &got, nullptr) &&
           bitmapHeaderFits(header, got, static_cast<uint64_t>(size.QuadPart));
}

size_t paddedRow(LONG width) {
    return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
}

// Blue-green-red rows padded to 4 bytes become red-green-blue rows packed tight.
void repack(const std::vector<uint8_t>& padded, Image& image) {
    const size_t from = paddedRow(image.width);
    const size_t to = static_cast<size_t>(image.width) * 3;
    image.pixels.resize(to * static_cast<size_t>(image.height));
    for (size_t row = 0; row < static_cast<size_t>(image.height); ++row) {
        bgrRowToRgb(padded.data() + row * from, image.pixels.data() + row * to,
                    static_cast<size_t>(image.width));
    }
}

}  // namespace

Image readBitmapFile(const char* path, HDC dc) {
    Image image;
    if (dc == nullptr || !headerFits(path)) return image;
    BitmapHandle loaded{static_cast<HBITMAP>(
        LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION))};
    if (loaded.bitmap == nullptr) return image;
    BitmapInfo info{};
    info.header.biSize = sizeof info.header;
    if (GetDIBits(dc, loaded.bitmap, 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&info),
                  DIB_RGB_COLORS) == 0) {
        return image;
    }
    // The file may have changed since its header was checked.
    const LONG width = info.header.biWidth;
    const LONG height = std::labs(info.header.biHeight);
    if (width <= 0 || height <= 0 || width > MaxBitmapSide || height > MaxBitmapSide) return image;
    // Asked for as bottom-up 24-bit rows whatever the file holds.
    info.header.biHeight = height;
    info.header.biBitCount = 24;
    info.header.biCompression = BI_RGB;
    info.header.biSizeImage = 0;
    info.header.biClrUsed = 0;
    info.header.biClrImportant = 0;
    std::vector<uint8_t> padded(paddedRow(width) * static_cast<size_t>(height));
    const int rows = GetDIBits(dc, loaded.bitmap, 0, static_cast<UINT>(height), padded.data(),
                               reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    if (rows != height) return image;
    image.width = width;
    image.height = height;
    repack(padded, image);
    image.loaded = true;
    return image;
}

}  // namespace pelmora

#include "platform/web/web_files.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "platform/bitmap_file.h"
#include "platform/uncompressed_bitmap.h"
#include "platform/web/web_system.h"

namespace pelmora {
namespace {

// Resolves once the copy has ended, whether or not it worked: a page whose
// storage is refused plays on, and keeps its score until it is closed.
EM_ASYNC_JS(void, syncStoredFolder, (), {
    await new Promise(done => FS.syncfs(false, error => {
        if (error) console.warn("Pelmora: the top score could not be stored in this page", error);
        done();
    }));
});

struct FileClose {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The whole file, or nothing when it is missing or larger than any bitmap
// the game would read.
std::vector<uint8_t> readWhole(const std::string& path) {
    std::unique_ptr<std::FILE, FileClose> file(std::fopen(path.c_str(), "rb"));
    if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return {};
    const long size = std::ftell(file.get());
    if (size <= 0 || static_cast<uint64_t>(size) > MaxBitmapFileBytes) return {};
    std::vector<uint8_t> bytes(static_cast<std::size_t>(size));
    std::rewind(file.get());
    if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return {};
    return bytes;
}

}  // namespace

std::string packagedPath(std::string gamePath) {
    std::replace(gamePath.begin(), gamePath.end(), '\\', '/');
    return PackagedFolder + gamePath;
}

Image loadPackagedBitmap(const std::string& path) {
    const std::vector<uint8_t> bytes = readWhole(path);
    return decodeUncompressedBitmap(bytes.data(), bytes.size());
}

void storeFolderInPage() { syncStoredFolder(); }

void WebSystem::persistFiles() { storeFolderInPage(); }

}  // namespace pelmora

// Any bytes at all as a texture file: the loader fails or gives a picture
// whose buffer holds exactly its rows.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/sdl/bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const pelmora::Image image = pelmora::decodeBitmap(std::vector<uint8_t>(data, data + size));
    if (!image.loaded) return 0;
    const bool sized = image.width > 0 && image.height > 0 &&
                       image.pixels.size() == size_t(image.width) * size_t(image.height) * 3;
    if (!sized) std::abort();
    return 0;
}

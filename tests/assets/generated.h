// The assets generated once per test run into a scratch folder, and readers
// for what the game loads from it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "view/atlas.h"

namespace assets_test {

// A scratch folder removed when the object goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The run folder the generator filled, generated on first use.
const std::string& runFolder();

struct Colour {
    int r = 0, g = 0, b = 0;
};
int distance(Colour a, Colour b);  // largest channel difference
int luminance(Colour c);

// A bitmap as the game sees it: pixel (u, v) with v counted from the bottom row.
struct Picture {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<uint8_t> rgb;  // bottom row first

    Colour at(int u, int v) const;
    std::vector<Colour> pixels(const pelmora::AtlasRect& rect) const;
};

Picture loadPicture(const std::string& path);  // width 0 if it does not load
const Picture& texture(const std::string& name);  // "CardTextureMap" etc.

}  // namespace assets_test

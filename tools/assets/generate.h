// Draws every texture and synthesises every sound cue into a run folder.
#pragma once

#include <string>

namespace assets {

constexpr int AtlasImageSize = 1024;
constexpr int MenuImageSize = 1024;
constexpr int ClothImageSize = 512;

// Writes textures/*.bmp (the window's icon among them) and sounds/*.wav under
// runFolder, and the PNG previews into previewFolder unless it is empty. False with the reason in `error`.
bool generateAssets(const std::string& runFolder, const std::string& previewFolder,
                    std::string& error);

}  // namespace assets

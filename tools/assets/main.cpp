// pelmora_assets RUN_FOLDER [--previews PREVIEW_FOLDER]
// Draws the game's textures and synthesises its sound cues into RUN_FOLDER.
#include <cstdio>
#include <string>

#include "assets/generate.h"

int main(int argc, char** argv) {
    std::string runFolder, previewFolder;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--previews" && i + 1 < argc) {
            previewFolder = argv[++i];
        } else if (runFolder.empty() && arg.rfind("--", 0) != 0) {
            runFolder = arg;
        } else {
            runFolder.clear();
            break;
        }
    }
    if (runFolder.empty()) {
        std::fprintf(stderr, "usage: pelmora_assets RUN_FOLDER [--previews PREVIEW_FOLDER]\n");
        return 2;
    }
    std::string error;
    if (!assets::generateAssets(runFolder, previewFolder, error)) {
        std::fprintf(stderr, "pelmora_assets: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

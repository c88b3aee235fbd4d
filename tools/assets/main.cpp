// pelmora_assets RUN_FOLDER [--previews PREVIEW_FOLDER] [--icons ICON_FOLDER]
// Draws the game's textures and synthesises its sound cues into RUN_FOLDER,
// and the desktop icons into ICON_FOLDER.
#include <cstdio>
#include <string>

#include "assets/generate.h"
#include "assets/icon.h"

namespace {

struct Folders {
    std::string run, previews, icons;
};

bool parse(int argc, char** argv, Folders& folders) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--previews" && i + 1 < argc) {
            folders.previews = argv[++i];
        } else if (arg == "--icons" && i + 1 < argc) {
            folders.icons = argv[++i];
        } else if (folders.run.empty() && arg.rfind("--", 0) != 0) {
            folders.run = arg;
        } else {
            return false;
        }
    }
    return !folders.run.empty();
}

}  // namespace

int main(int argc, char** argv) {
    Folders folders;
    if (!parse(argc, argv, folders)) {
        std::fprintf(stderr,
                     "usage: pelmora_assets RUN_FOLDER [--previews PREVIEW_FOLDER] [--icons ICON_FOLDER]\n");
        return 2;
    }
    std::string error;
    const bool done = assets::generateAssets(folders.run, folders.previews, error) &&
                      (folders.icons.empty() || assets::writeIcons(folders.icons, error));
    if (!done) {
        std::fprintf(stderr, "pelmora_assets: %s\n", error.c_str());
        return 1;
    }
    return 0;
}

#include "assets/generate.h"

#include <filesystem>
#include <system_error>

#include "assets/card_atlas.h"
#include "assets/felt.h"
#include "assets/fonts.h"
#include "assets/icon.h"
#include "assets/image_files.h"
#include "assets/menu_picture.h"
#include "assets/paint.h"
#include "assets/panels.h"
#include "assets/previews.h"
#include "assets/sounds.h"
#include "platform/textures.h"

namespace assets {
namespace {

bool makeFolder(const std::string& path, std::string& error) {
    std::error_code failure;
    std::filesystem::create_directories(path, failure);
    if (!failure) return true;
    error = "cannot make the folder " + path + ": " + failure.message();
    return false;
}

struct Pictures {
    Canvas menu{MenuImageSize, MenuImageSize};
    Canvas panels{AtlasImageSize, AtlasImageSize};
    Canvas cloth{ClothImageSize, ClothImageSize};
    Canvas atlas{AtlasImageSize, AtlasImageSize};

    Pictures() {
        paintMenuPicture(menu.cr(), MenuImageSize);
        paintMenuPanels(panels.cr());
        paintCubeSurface(cloth.cr(), ClothImageSize);
        paintCardAtlas(atlas.cr());
    }
    TextureSet set() const {
        return {menu.surface(), panels.surface(), cloth.surface(), atlas.surface()};
    }
};

bool writeTextures(const Pictures& p, const std::string& folder, std::string& error) {
    using namespace pelmora;
    const std::string at = folder + "/";
    return saveBitmap24(p.menu.surface(), at + TextureMenu + ".bmp", error) &&
           saveBitmap24(p.panels.surface(), at + TextureSubMenuPlots + ".bmp", error) &&
           saveBitmap24(p.cloth.surface(), at + TextureCubeSurface + ".bmp", error) &&
           saveBitmap24(p.atlas.surface(), at + TextureCardTextureMap + ".bmp", error) &&
           writeWindowIconBitmap(folder + "/Icon.bmp", error);
}

bool generateWithFonts(const std::string& runFolder, const std::string& previewFolder,
                       std::string& error) {
    const std::string textures = runFolder + "/textures";
    const std::string sounds = runFolder + "/sounds";
    if (!makeFolder(textures, error) || !makeFolder(sounds, error)) return false;
    const Pictures pictures;
    if (!writeTextures(pictures, textures, error)) return false;
    if (!writeCues(synthesiseCues(), sounds, error)) return false;
    if (previewFolder.empty()) return true;
    return makeFolder(previewFolder, error) && writePreviews(pictures.set(), previewFolder, error);
}

}  // namespace

bool generateAssets(const std::string& runFolder, const std::string& previewFolder,
                    std::string& error) {
    if (!loadFonts(error)) {
        releaseFonts();
        return false;
    }
    const bool done = generateWithFonts(runFolder, previewFolder, error);
    releaseFonts();  // every canvas is gone by now
    return done;
}

}  // namespace assets

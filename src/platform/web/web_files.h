// The page's files. The textures and sounds are packaged with the program
// under PackagedFolder; the score file is written in the working folder,
// StoredFolder, which lives in the page's storage (IndexedDB) and is loaded
// from it before the program starts (see storage.js).
#pragma once

#include <string>

#include "values/image.h"

namespace pelmora {

constexpr const char* PackagedFolder = "/assets/";
constexpr const char* StoredFolder = "/scores";

// A game path ("textures\Menu.bmp") as the packaged file's path.
std::string packagedPath(std::string gamePath);

Image loadPackagedBitmap(const std::string& path);

// Copies the stored folder to the page's storage and waits until it is there.
void storeFolderInPage();

}  // namespace pelmora

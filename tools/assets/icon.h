// The game's icon: a scalable picture and PNG renderings for the desktop's
// icon theme, the Windows program's icon file and the window's own icon, all
// drawn by one painter.
#pragma once

#include <array>
#include <string>

namespace assets {

constexpr std::array<int, 6> IconSizes = {16, 32, 48, 64, 128, 256};
// The sizes Windows picks from: menus, Explorer's views, the taskbar.
constexpr std::array<int, 6> IcoSizes = {16, 24, 32, 48, 64, 256};
constexpr int WindowIconSize = 64;

// Writes hicolor/scalable/apps/pelmora.svg and hicolor/NxN/apps/pelmora.png
// for every size, and pelmora.ico holding IcoSizes, under folder; false with
// the reason in `error`.
bool writeIcons(const std::string& folder, std::string& error);

// The window's icon, a 32-bit bitmap with alpha that SDL loads as it is.
bool writeWindowIconBitmap(const std::string& path, std::string& error);

}  // namespace assets

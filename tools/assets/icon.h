// The game's icon: a scalable picture and PNG renderings for the desktop's
// icon theme, all drawn by one painter.
#pragma once

#include <array>
#include <string>

namespace assets {

constexpr std::array<int, 6> IconSizes = {16, 32, 48, 64, 128, 256};

// Writes hicolor/scalable/apps/pelmora.svg and hicolor/NxN/apps/pelmora.png
// for every size under folder; false with the reason in `error`.
bool writeIcons(const std::string& folder, std::string& error);

}  // namespace assets

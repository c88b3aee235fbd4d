// The colours more than one picture shares, so that the pieces that should
// match on screen do.
#pragma once

#include "assets/paint.h"

namespace assets {

// The inlay around the cube's cloth and the score bar's trim.
constexpr Rgb TrimGold = hex(0xC9A44C);
// The menu's gold: the title, the top-score label, the panels' frames and
// the chosen item's bar.
constexpr Rgb MenuGold = hex(0xD5B056);

}  // namespace assets

// A score as decimal digits, least significant first; never empty. Held as
// digits so that it has no upper bound and reads as it is drawn and stored.
#pragma once

#include <cstdint>
#include <vector>

namespace pelmora {

using ScoreDigits = std::vector<uint32_t>;

}  // namespace pelmora

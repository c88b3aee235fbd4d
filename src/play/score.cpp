#include "play/score.h"

#include <cstddef>

namespace pelmora {

// Written as a general carry so that any amount lands correctly; a hand
// scores 1..9, which takes at most one carry per digit.
void addToScore(ScoreDigits& score, uint32_t amount) {
    uint64_t carry = amount;
    for (std::size_t p = 0; carry != 0; ++p) {
        if (p == score.size()) score.push_back(0);
        const uint64_t sum = score[p] + carry;
        score[p] = static_cast<uint32_t>(sum % 10);
        carry = sum / 10;
    }
}

}  // namespace pelmora

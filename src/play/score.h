// Adding a hand's points to a score held as decimal digits.
#pragma once

#include <cstdint>

#include "values/score_digits.h"

namespace pelmora {

// Adds 1..9 points with decimal carry; grows by a digit when needed.
void addToScore(ScoreDigits& score, uint32_t amount);

}  // namespace pelmora

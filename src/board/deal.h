// Dealing: one shuffled permutation of 0..863, taken modulo 52, across six faces.
#pragma once

#include <cstdint>
#include <vector>

#include "board/board.h"

namespace pelmora {

class Random;

// The 35 places whose topmost card is free right after a deal.
const std::vector<Place>& startingFreePlaces();

void fillPermutation(DealSequence& sequence, uint32_t n, Random& random);
DealSequence sliceOf(const DealSequence& source, uint32_t start, uint32_t end);

// Deals all six faces from the generator as it stands; the game's new deal
// seeds it from the calendar first and resets the clock and the score after.
void dealBoard(Board& board, Random& random);

}  // namespace pelmora

// Dealing: one shuffled permutation of 0..863, taken modulo 52, across six faces.
#pragma once

#include <cstdint>
#include <vector>

#include "board/board.h"

namespace pelmora {

class Random;
struct Game;

// The 35 places whose topmost card is free right after a deal.
const std::vector<Place>& startingFreePlaces();

void fillPermutation(DealSequence& sequence, uint32_t n, Random& random);
DealSequence sliceOf(const DealSequence& source, uint32_t start, uint32_t end);

// Seeds the generator from the calendar, deals all six faces, then resets
// the game clock and the score.
void dealNewGame(Game& game);
// The deal itself for a known seed (no clock or score reset).
void dealBoard(Board& board, Random& random);

}  // namespace pelmora

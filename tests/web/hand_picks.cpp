// Prints, for a calendar second, where to click for the five cards of a
// one-pair hand on the front face of the cube dealt at that second: one
// "x y" line each, pair first. The browser tests play that hand.
#include <cstdio>
#include <cstdlib>

#include "support/one_pair_hand.h"
#include "values/random.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: hand_picks SECONDS\n");
        return 2;
    }
    pelmora::Board board;
    pelmora::Random random;
    random.seed(static_cast<uint32_t>(std::strtoll(argv[1], nullptr, 10)));
    pelmora::dealBoard(board, random);
    const auto hand = pelmora::onePairHand(*board.face(0));
    if (hand.size() != 5) return 1;
    for (const pelmora::Pick& pick : hand) std::printf("%d %d\n", pick.x, pick.y);
    return 0;
}

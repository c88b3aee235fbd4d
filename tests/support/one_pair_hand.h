// Five free cards of a dealt face that make exactly one pair, and where on
// the 1024 x 768 screen to click for each, found from the pick table itself.
// Shared by the end-to-end tests of the desktop and the browser builds.
#pragma once

#include <set>
#include <vector>

#include "board/board.h"
#include "board/deal.h"
#include "view/picking.h"

namespace pelmora {

struct Pick {
    Place place;
    uint32_t value = 0;
    int x = 0;
    int y = 0;
};

// Where to click on the screen to pick a place, found from the pick table itself.
inline bool pixelFor(const Face& face, Place place, int& x, int& y) {
    long sumX = 0, sumY = 0, n = 0;
    for (int py = 150; py < 620; ++py) {
        for (int px = 200; px < 870; ++px) {
            if (pickPlace(face, px, py) == place) {
                sumX += px;
                sumY += py;
                ++n;
            }
        }
    }
    if (n == 0) return false;
    x = static_cast<int>(sumX / n);
    y = static_cast<int>(sumY / n);
    return pickPlace(face, x, y) == place;
}

// Five free cards of the front face making exactly one pair, pair first: two
// of one rank (different values, so different suits) and three of three
// other ranks. A pair rules out a straight and a flush.
inline std::vector<Pick> onePairHand(const Face& face) {
    std::vector<Pick> free;
    for (const Place& p : startingFreePlaces()) {
        const Card* c = face.cardAt(p);
        Pick pick{p, c->value, 0, 0};
        if (c->free && pixelFor(face, p, pick.x, pick.y)) free.push_back(pick);
    }
    const auto rank = [&](size_t i) { return free[i].value % 13; };
    const size_t n = free.size();
    for (size_t a = 0; a < n; ++a)
        for (size_t b = a + 1; b < n; ++b) {
            if (rank(a) != rank(b) || free[a].value == free[b].value) continue;
            std::vector<Pick> hand = {free[a], free[b]};
            std::set<uint32_t> ranks = {rank(a)};
            for (size_t k = 0; k < n && hand.size() < 5; ++k)
                if (ranks.insert(rank(k)).second) hand.push_back(free[k]);
            if (hand.size() == 5) return hand;
        }
    return {};
}

}  // namespace pelmora

// Shared helpers for the board and hand-play tests.
#pragma once

#include <string>
#include <vector>

#include "board/deal.h"
#include "frame/game.h"
#include "support/fake_renderer.h"
#include "support/fake_system.h"

namespace pelmora {

// Card values written as rank and suit, "A0 T3 Q1": a rank of Ranks, then suit 0..3.
inline const std::string Ranks = "A23456789TJQK";
inline std::vector<uint32_t> cards(const std::string& text) {
    std::vector<uint32_t> out;
    for (size_t i = 0; i + 1 < text.size(); i += 3)
        out.push_back(13u * uint32_t(text[i + 1] - '0') + uint32_t(Ranks.find(text[i])));
    return out;
}

// The cards a click can reach and select: free, and on top at their place.
inline std::vector<Card*> playableCards(const Face& face) {
    std::vector<Card*> out;
    for (const Layer& layer : face.layers) {
        for (const auto& card : layer.cards) {
            if (card->free && face.cardAt(card->place) == card.get()) out.push_back(card.get());
        }
    }
    return out;
}

struct PlayRig {
    FakeSystem system;
    FakeRenderer renderer;
    Game game{system, renderer};
};

}  // namespace pelmora

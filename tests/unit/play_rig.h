// Shared helpers for the board and hand-play tests.
#pragma once

#include <string>
#include <vector>

#include "board/deal.h"
#include "platform/sound.h"
#include "play/drop.h"
#include "play/hand.h"
#include "play/selection.h"
#include "support/fake_system.h"
#include "values/random.h"

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

// The records of hand play, with a deal seeded from the fake calendar.
struct PlayRig {
    FakeSystem system;
    CuePlayer cues{system};
    Board board;
    Selection selection;
    Hand hand;
    ScoreDigits score{0};
    ParticleCloud cloud;
    Random random;
    PlayState play{board, selection, hand, score, cloud, random};

    void deal() {
        random.seed(static_cast<uint32_t>(system.seconds));
        dealBoard(board, random);
    }
    void toggle(Card* card) { toggleSelection(selection, card, cues); }
};

}  // namespace pelmora

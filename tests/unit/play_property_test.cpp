// A bot plays many short seeded games through the hand-play operations and
// checks the rules that must hold after every single step.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <iostream>
#include <set>

#include "board/deal.h"
#include "frame/game.h"
#include "play/drop.h"
#include "play/hand.h"
#include "play/selection.h"
#include "support/fake_renderer.h"
#include "support/fake_system.h"

namespace pelmora {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool SanitizedBuild = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool SanitizedBuild = true;
#else
constexpr bool SanitizedBuild = false;
#endif
#else
constexpr bool SanitizedBuild = false;
#endif

// A deal costs milliseconds under the sanitizers, so they play fewer games.
constexpr uint32_t Games = SanitizedBuild ? 250 : 2000;
constexpr uint32_t StepsPerGame = 80;

// Every place of a face, each once.
std::vector<Place> facePlaces() {
    std::set<std::pair<double, double>> seen;
    for (uint8_t level = 1; level <= LevelCount; ++level) {
        for (uint32_t n = 0; n < capacityFor(level); ++n) {
            const Place p = placeFor(level, n);
            seen.insert({p.x, p.y});
        }
    }
    std::vector<Place> out;
    for (const auto& [x, y] : seen) out.push_back(makePlace(x, y));
    return out;
}

const std::vector<Place>& allPlaces() {
    static const std::vector<Place> places = facePlaces();
    return places;
}

uint32_t cardsLeavingFor(HandRank rank) {
    switch (rank) {
        case NoHand: return 0;
        case OnePair: return 2;
        case TwoPair: return 4;
        case ThreeOfAKind: return 3;
        case FourOfAKind: return 4;
        default: return 5;
    }
}

uint64_t scoreValue(const ScoreDigits& score) {
    uint64_t total = 0;
    for (auto it = score.rbegin(); it != score.rend(); ++it) total = total * 10 + *it;
    return total;
}

// What the bot remembers of one card between steps. Cards are never created
// during a game, so a pointer seen on the board is always the same card.
struct Seen {
    const Card* card;
    bool free;
};

// Drop attempts counted by the class of the hand, NoHand for failed ones.
using Tally = std::array<uint64_t, 10>;

class Bot {
public:
    Bot(Game& game, uint32_t seed, Tally& tally) : game_(game), tally_(tally) {
        dice_.seed(seed * 7919u + 1);
        game_.random.seed(seed);
        dealBoard(game_.board, game_.random);
        for (const auto& face : game_.board.faces) dealtFaces_.push_back(face.get());
        snapshot(seen_);
    }

    void step() {
        const uint32_t roll = dice_.next() % 100;
        // Mostly drops of full hands, now and then of short ones.
        const uint32_t dropChance = selectionCount(game_.selection) == 5 ? 50 : 4;
        if (roll < dropChance) {
            drop();
        } else if (roll < 70) {
            clickFreeCardIfAny();
        } else if (roll < 85) {
            toggleSelection(game_, faceZero().cardAt(randomPlace()));
        } else if (roll < 93) {
            clearSelection(game_.selection);
        } else {
            turnCube();
        }
        checkRules();
    }

private:
    Face& faceZero() { return *game_.board.face(0); }
    Place randomPlace() { return places_[dice_.next() % places_.size()]; }

    bool pickable(const Card* card) const { return card && card->free && !card->selected; }

    // Like the selection: the same rank or the same suit as a card in it.
    bool fitsTheHand(const Card* card) const {
        for (const Card* chosen : game_.selection.cards) {
            if (cardRank(chosen->value) == cardRank(card->value) ||
                cardSuit(chosen->value) == cardSuit(card->value)) {
                return true;
            }
        }
        return game_.selection.cards.empty();
    }

    // A player looks for free cards that go with the hand so far.
    void clickFreeCardIfAny() {
        Card* fallback = nullptr;
        for (int tries = 0; tries < 12; ++tries) {
            Card* card = faceZero().cardAt(randomPlace());
            if (!pickable(card)) continue;
            if (fitsTheHand(card)) {
                toggleSelection(game_, card);
                return;
            }
            fallback = card;
        }
        toggleSelection(game_, fallback);
    }

    void drop() {
        Hand expected;
        collectHand(expected, game_.selection);
        const uint32_t selectedBefore = selectionCount(game_.selection);
        const HandRank rank = selectedBefore == 5 ? evaluateHand(expected) : NoHand;
        const uint64_t scoreBefore = scoreValue(game_.score);
        const bool dropped = dropSelection(game_);
        ASSERT_EQ(dropped, rank != NoHand);
        ++tally_[rank];
        expectedLoss_ = cardsLeavingFor(rank);
        EXPECT_EQ(scoreValue(game_.score), scoreBefore + rank);
        EXPECT_EQ(selectionCount(game_.selection), selectedBefore - expectedLoss_);
        if (!dropped) clearSelection(game_.selection);
    }

    // A quarter turn as the cube does it: faces change places, then every
    // moved face's cards learn their new index.
    void turnCube() {
        auto& faces = game_.board.faces;
        std::rotate(faces.begin(), faces.begin() + 1, faces.begin() + 4);
        for (uint8_t f = 0; f < 4; ++f) game_.board.renumberFace(f, f);
        clearParticles(game_.cloud);
    }

    // One walk over the board, faces in the order they were dealt (a turn
    // moves faces, never cards between them).
    void snapshot(std::vector<Seen>& out) const {
        out.clear();
        for (const Face* face : dealtFaces_) {
            for (const Layer& layer : face->layers) {
                for (const auto& card : layer.cards) out.push_back({card.get(), card->free});
            }
        }
    }

    void checkRules() {
        checkSelection();
        checkFaces();
        snapshot(now_);
        EXPECT_EQ(now_.size(), seen_.size() - expectedLoss_) << "other cards than the hand's left";
        expectedLoss_ = 0;
        checkFreeNeverReverts();
    }

    void checkSelection() {
        const auto& chosen = game_.selection.cards;
        ASSERT_LE(chosen.size(), 5u);
        for (size_t i = 0; i < chosen.size(); ++i) {
            ASSERT_TRUE(chosen[i]->selected);
            for (size_t j = i + 1; j < chosen.size(); ++j) ASSERT_NE(chosen[i], chosen[j]);
            const Face* home = game_.board.face(chosen[i]->face);
            ASSERT_NE(home, nullptr);
            const Layer& layer = home->layers.at(chosen[i]->level - 1u);
            ASSERT_EQ(layer.cardAt(chosen[i]->place.x, chosen[i]->place.y), chosen[i])
                << "a selected card is no longer on the board";
        }
    }

    // Every card names the face that holds it, and only the cards of the
    // selection are marked selected.
    void checkFaces() {
        size_t flagged = 0;
        for (uint8_t f = 0; f < FaceCount; ++f) {
            for (const Layer& layer : game_.board.face(f)->layers) {
                for (const auto& card : layer.cards) {
                    ASSERT_EQ(card->face, f);
                    flagged += card->selected ? 1 : 0;
                }
            }
        }
        ASSERT_EQ(flagged, game_.selection.cards.size())
            << "a card is marked selected outside the selection";
    }

    // Removal closes gaps in place, so the cards now on the board are the
    // earlier ones in the same order with some left out.
    void checkFreeNeverReverts() {
        size_t k = 0;
        for (const Seen& s : now_) {
            while (k < seen_.size() && seen_[k].card != s.card) ++k;
            ASSERT_LT(k, seen_.size()) << "a card appeared or moved";
            ASSERT_TRUE(s.free || !seen_[k].free) << "a free card became blocked";
            ++k;
        }
        std::swap(seen_, now_);
    }

    Game& game_;
    Tally& tally_;
    Random dice_;
    const std::vector<Place>& places_ = allPlaces();
    std::vector<const Face*> dealtFaces_;
    std::vector<Seen> seen_;
    std::vector<Seen> now_;
    uint32_t expectedLoss_ = 0;
};

TEST(PlayProperty, RulesHoldAfterEveryStepOfManySeededGames) {
    ImageCopy atlas;
    atlas.width = 1024;
    atlas.height = 1024;
    atlas.pixels.resize(1024 * 1024);
    uint64_t removed = 0;
    uint64_t dust = 0;
    Tally byClass{};
    for (uint32_t seed = 1; seed <= Games; ++seed) {
        FakeSystem system;
        FakeRenderer renderer;
        Game game(system, renderer);
        game.cloud.cardImage = &atlas;
        Bot bot(game, seed, byClass);
        const uint32_t before = game.board.cardCount();
        for (uint32_t s = 0; s < StepsPerGame; ++s) {
            bot.step();
            if (::testing::Test::HasFatalFailure()) {
                FAIL() << "seed " << seed << " step " << s;
            }
        }
        removed += before - game.board.cardCount();
        dust += game.cloud.particles.size();
        if (::testing::Test::HasFailure()) FAIL() << "seed " << seed;
    }
    // The bot must actually have played every kind of drop for the checks to
    // mean much.
    EXPECT_GT(removed, Games * 5u);
    EXPECT_GT(dust, 0u);
    for (HandRank rank : {NoHand, OnePair, TwoPair, ThreeOfAKind}) {
        EXPECT_GT(byClass[rank], 0u) << "never dropped class " << rank;
    }
    EXPECT_GT(byClass[Straight] + byClass[Flush] + byClass[FullHouse] + byClass[StraightFlush] +
                  byClass[RoyalFlush], 0u) << "never dropped a whole hand";
    std::string tally;
    for (uint64_t n : byClass) tally += std::to_string(n) + " ";
    std::cout << "[ drops by class 0..9 ] " << tally << "\n";
}

}  // namespace
}  // namespace pelmora

#include <gtest/gtest.h>

#include <algorithm>

#include "board/deal.h"
#include "frame/game.h"
#include "play/drop.h"
#include "play/selection.h"
#include "support/fake_renderer.h"
#include "support/fake_system.h"
#include "view/atlas.h"

namespace pelmora {
namespace {

uint32_t v(uint32_t rank, uint32_t suit) { return suit * 13 + rank - 1; }

constexpr size_t DustPerCard = 1728;

// Each pixel tells where it lies: red and green the low bits of its column
// and row, blue the high bits of both.
ImageCopy positionImage(int32_t width, int32_t height) {
    ImageCopy image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int32_t row = 0; row < height; ++row) {
        for (int32_t col = 0; col < width; ++col) {
            auto& p = image.pixels[static_cast<size_t>(row) * width + col];
            p.red = static_cast<uint8_t>(col % 256);
            p.green = static_cast<uint8_t>(row % 256);
            p.blue = static_cast<uint8_t>(col / 256 * 4 + row / 256);
        }
    }
    return image;
}

int sampledColumn(const Particle& p) { return p.red + 256 * (p.blue / 4); }
int sampledRow(const Particle& p) { return p.green + 256 * (p.blue % 4); }

// Where a card's dust grid starts: the top of its tile.
struct Corner {
    double x, y, z;
};
Corner cornerOf(const Card& card) {
    return {(card.place.x - 1) * 0.75 - 5.25, 3.0 - (card.place.y - 1), card.level * 0.4 + 10.0};
}

struct DropTest : ::testing::Test {
    FakeSystem system;
    FakeRenderer renderer;
    Game game{system, renderer};
    ImageCopy atlas = positionImage(1024, 1024);
    std::vector<Card*> spare;  // free cards of the front face not yet used

    void SetUp() override {
        game.random.seed(4242);
        dealBoard(game.board, game.random);
        game.cloud.cardImage = &atlas;
        spare = freeCardsOf(0);
        std::reverse(spare.begin(), spare.end());
    }

    std::vector<Card*> freeCardsOf(uint8_t faceIndex) {
        std::vector<Card*> out;
        const Face& face = *game.board.face(faceIndex);
        for (const Layer& layer : face.layers) {
            for (const auto& card : layer.cards) {
                if (card->free && face.cardAt(card->place) == card.get()) out.push_back(card.get());
            }
        }
        return out;
    }

    // Clicks free front-face cards given these values, in this order.
    std::vector<Card*> pick(const std::vector<uint32_t>& values) {
        std::vector<Card*> picked;
        for (uint32_t value : values) {
            Card* card = spare.back();
            spare.pop_back();
            card->value = value;
            toggleSelection(game, card);
            picked.push_back(card);
        }
        return picked;
    }

    // The cards whose dust was laid, in order, told apart by where it lies.
    std::vector<Card*> dustOrder(const std::vector<Card*>& candidates,
                                 const std::vector<Corner>& corners) const {
        std::vector<Card*> order;
        const auto& dust = game.cloud.particles;
        for (size_t start = 0; start < dust.size(); start += DustPerCard) {
            for (size_t i = 0; i < candidates.size(); ++i) {
                if (dust[start].x == corners[i].x && dust[start].y == corners[i].y &&
                    dust[start].z == corners[i].z) {
                    order.push_back(candidates[i]);
                }
            }
        }
        return order;
    }

    std::vector<Card*> selected() const { return game.selection.cards; }
};

std::vector<Corner> cornersOf(const std::vector<Card*>& cards) {
    std::vector<Corner> out;
    for (const Card* c : cards) out.push_back(cornerOf(*c));
    return out;
}

TEST_F(DropTest, AWholeHandLeavesNewestFirstAndEmptiesTheSelection) {
    const auto cards = pick({v(9, 0), v(5, 1), v(6, 2), v(8, 0), v(7, 3)});
    const auto corners = cornersOf(cards);
    ASSERT_TRUE(dropSelection(game));
    EXPECT_EQ(game.score, (ScoreDigits{4}));
    EXPECT_EQ(selectionCount(game.selection), 0u);
    EXPECT_EQ(game.board.cardCount(), 864u - 5);
    EXPECT_EQ(game.cloud.particles.size(), 5 * DustPerCard);
    EXPECT_EQ(dustOrder(cards, corners),
              (std::vector<Card*>{cards[4], cards[3], cards[2], cards[1], cards[0]}));
}

TEST_F(DropTest, OnePairLeavesOldestMatchFirstAndKeepsTheKickersInOrder) {
    const auto cards = pick({v(3, 0), v(12, 1), v(9, 2), v(12, 3), v(1, 0)});
    const auto corners = cornersOf(cards);
    ASSERT_TRUE(dropSelection(game));
    EXPECT_EQ(game.score, (ScoreDigits{1}));
    EXPECT_EQ(dustOrder(cards, corners), (std::vector<Card*>{cards[1], cards[3]}));
    EXPECT_EQ(selected(), (std::vector<Card*>{cards[0], cards[2], cards[4]}));
    for (Card* kicker : selected()) EXPECT_TRUE(kicker->selected);
    EXPECT_EQ(game.board.cardCount(), 864u - 2);
    // Two more clicks complete the next hand around the kickers.
    pick({v(3, 2), v(9, 1)});
    ASSERT_TRUE(dropSelection(game));
    EXPECT_EQ(game.score, (ScoreDigits{3}));
    ASSERT_EQ(selectionCount(game.selection), 1u);
    EXPECT_EQ(selectedCardAt(game.selection, 0)->value, v(1, 0));
}

TEST_F(DropTest, TwoPairLeavesTheLowerPairFirstAndKeepsTheFifth) {
    const auto cards = pick({v(13, 0), v(4, 2), v(13, 1), v(8, 1), v(4, 0)});
    const auto corners = cornersOf(cards);
    ASSERT_TRUE(dropSelection(game));
    EXPECT_EQ(game.score, (ScoreDigits{2}));
    EXPECT_EQ(dustOrder(cards, corners),
              (std::vector<Card*>{cards[1], cards[4], cards[0], cards[2]}));
    EXPECT_EQ(selected(), (std::vector<Card*>{cards[3]}));
}

TEST_F(DropTest, SetsLeaveInAscendingValueOrder) {
    auto cards = pick({v(6, 3), v(2, 1), v(6, 0), v(10, 2), v(6, 1)});
    auto corners = cornersOf(cards);
    ASSERT_TRUE(dropSelection(game));
    EXPECT_EQ(game.score, (ScoreDigits{3}));
    EXPECT_EQ(dustOrder(cards, corners), (std::vector<Card*>{cards[2], cards[4], cards[0]}));
    EXPECT_EQ(selected(), (std::vector<Card*>{cards[1], cards[3]}));

    clearSelection(game.selection);
    clearParticles(game.cloud);
    cards = pick({v(11, 2), v(11, 3), v(5, 0), v(11, 0), v(11, 1)});
    corners = cornersOf(cards);
    ASSERT_TRUE(dropSelection(game));
    EXPECT_EQ(game.score, (ScoreDigits{0, 1}));
    EXPECT_EQ(dustOrder(cards, corners),
              (std::vector<Card*>{cards[3], cards[4], cards[0], cards[1]}));
    EXPECT_EQ(selected(), (std::vector<Card*>{cards[2]}));
}

TEST_F(DropTest, PointsCarryIntoTheScore) {
    game.score = {9};
    pick({v(1, 2), v(13, 2), v(10, 2), v(12, 2), v(11, 2)});
    ASSERT_TRUE(dropSelection(game));
    EXPECT_EQ(game.score, (ScoreDigits{8, 1}));
    game.score = {5, 9};
    pick({v(2, 0), v(2, 1), v(2, 2), v(2, 3), v(9, 0)});
    ASSERT_TRUE(dropSelection(game));
    EXPECT_EQ(game.score, (ScoreDigits{2, 0, 1}));
    clearSelection(game.selection);
    game.score = {9, 9};
    pick({v(2, 0), v(2, 1), v(5, 2), v(7, 3), v(9, 0)});
    ASSERT_TRUE(dropSelection(game));
    EXPECT_EQ(game.score, (ScoreDigits{0, 0, 1}));
}

TEST_F(DropTest, AFailedDropChangesNothing) {
    const auto check = [&](const std::vector<uint32_t>& values) {
        clearSelection(game.selection);
        const auto cards = pick(values);
        ASSERT_FALSE(dropSelection(game));
        EXPECT_EQ(selected(), cards);
        EXPECT_EQ(game.score, (ScoreDigits{0}));
        EXPECT_EQ(game.board.cardCount(), 864u);
        EXPECT_TRUE(game.cloud.particles.empty());
    };
    check({});
    check({v(2, 0), v(2, 1), v(2, 2), v(2, 3)});                 // four cards only
    check({v(2, 0), v(5, 1), v(9, 2), v(11, 3), v(13, 0)});      // high card
    check({v(7, 0), v(7, 0), v(7, 1), v(3, 2), v(9, 3)});        // a value used twice
    EXPECT_TRUE(system.cues.size() > 0);  // the clicks only: a drop plays no cue itself
    for (const auto& cue : system.cues) EXPECT_EQ(cue, "sounds\\select.wav");
}

TEST_F(DropTest, CardsOfOtherFacesLeaveWithoutDust) {
    Card* away = freeCardsOf(2).front();
    away->value = v(5, 0);
    const uint32_t awayFaceCount = game.board.face(2)->cardCount();
    pick({v(2, 0), v(3, 1), v(4, 2)});
    away->selected = true;  // picked before the cube turned it away
    selectCard(game.selection, away);
    pick({v(6, 0)});
    ASSERT_TRUE(dropSelection(game));
    EXPECT_EQ(game.cloud.particles.size(), 4 * DustPerCard);
    EXPECT_EQ(game.board.face(2)->cardCount(), awayFaceCount - 1);
    EXPECT_EQ(game.board.cardCount(), 864u - 5);
}

TEST_F(DropTest, ACardItsFaceDoesNotHoldIsReleasedNotLeftMarked) {
    const auto cards = pick({v(3, 0), v(3, 1), v(5, 2), v(8, 3), v(10, 0)});
    cards[1]->face = 9;  // no such face: the card cannot be taken off
    ASSERT_TRUE(dropSelection(game));
    EXPECT_FALSE(cards[1]->selected);
    EXPECT_EQ(selected(), (std::vector<Card*>{cards[2], cards[3], cards[4]}));
    EXPECT_EQ(game.board.cardCount(), 864u - 1);
}

TEST_F(DropTest, DustSamplesEverySecondTexelOfThePicture) {
    const auto cards = pick({v(2, 0), v(2, 3), v(5, 1), v(7, 2), v(9, 0)});
    const Corner corner = cornerOf(*cards[1]);  // the second card of the pair to leave
    ASSERT_TRUE(dropSelection(game));
    ASSERT_EQ(game.cloud.particles.size(), 2 * DustPerCard);
    const AtlasRect picture = cardPictureRect(v(2, 3));
    const Particle* dust = &game.cloud.particles[DustPerCard];
    EXPECT_EQ(dust[0].x, corner.x);
    EXPECT_EQ(dust[0].y, corner.y);
    EXPECT_EQ(dust[0].z, corner.z);
    for (int c = 0; c < 36; ++c) {
        for (int r = 0; r < 48; ++r) {
            const Particle& p = dust[c * 48 + r];
            ASSERT_EQ(sampledColumn(p), picture.left + 2 * c) << c << "," << r;
            ASSERT_EQ(sampledRow(p), picture.bottom + 2 * r) << c << "," << r;
            ASSERT_NEAR(p.x - dust[0].x, 0.02 * c, 1e-9);
            ASSERT_NEAR(p.y - dust[0].y, 0.02 * r, 1e-9);
            ASSERT_EQ(p.z, dust[0].z);
        }
    }
    std::vector<int> lives;
    for (const Particle& p : game.cloud.particles) lives.push_back(p.life);
    EXPECT_EQ(*std::min_element(lives.begin(), lives.end()), 1);
    EXPECT_EQ(*std::max_element(lives.begin(), lives.end()), 60);
}

TEST_F(DropTest, DustNeverReadsOutsideTheKeptImage) {
    // An atlas too small for the pictures: the samples of the king of suit
    // 0 run past its right and top edges and take the edge pixels instead.
    ImageCopy small = positionImage(300, 400);
    game.cloud.cardImage = &small;
    Card card = *spare.back();
    card.value = v(13, 0);
    spawnCardParticles(game, card);
    ASSERT_EQ(game.cloud.particles.size(), DustPerCard);
    const auto sampled = [&](int c, int r) {
        const Particle& p = game.cloud.particles[static_cast<size_t>(c * 48 + r)];
        return std::make_pair(sampledColumn(p), sampledRow(p));
    };
    const int c0 = static_cast<int>(0.8203125 * 300);  // 246
    const int r0 = static_cast<int>(0.90625 * 400);    // 362
    EXPECT_EQ(sampled(0, 0), std::make_pair(c0, r0));
    EXPECT_EQ(sampled(20, 10), std::make_pair(c0 + 40, r0 + 20));
    EXPECT_EQ(sampled(35, 47), std::make_pair(299, 399));
    EXPECT_EQ(sampled(35, 0), std::make_pair(299, r0));
    EXPECT_EQ(sampled(0, 47), std::make_pair(c0, 399));

    // No image, an empty one, or one shorter than its size says: no dust.
    clearParticles(game.cloud);
    game.cloud.cardImage = nullptr;
    spawnCardParticles(game, card);
    ImageCopy empty;
    game.cloud.cardImage = &empty;
    spawnCardParticles(game, card);
    ImageCopy truncated = positionImage(1024, 1024);
    truncated.pixels.resize(1000);
    game.cloud.cardImage = &truncated;
    spawnCardParticles(game, card);
    EXPECT_TRUE(game.cloud.particles.empty());

    // The drop itself still goes through without an image.
    game.cloud.cardImage = nullptr;
    pick({v(2, 0), v(2, 3), v(5, 1), v(7, 2), v(9, 0)});
    EXPECT_TRUE(dropSelection(game));
    EXPECT_EQ(game.board.cardCount(), 864u - 2);
}

TEST(ParticleAgeing, EachFrameTakesOneLifeAndDropsThoseAlreadyAtZero) {
    ParticleCloud cloud;
    for (int32_t life : {2, 0, 1, 3}) {
        Particle p;
        p.life = life;
        p.x = life;
        cloud.particles.push_back(p);
    }
    const auto lives = [&] {
        std::vector<int32_t> out;
        for (const Particle& p : cloud.particles) out.push_back(p.life);
        return out;
    };
    ageParticles(cloud);
    EXPECT_EQ(lives(), (std::vector<int32_t>{1, 0, 2}));
    EXPECT_EQ(cloud.particles[1].x, 1.0);  // order kept
    ageParticles(cloud);
    EXPECT_EQ(lives(), (std::vector<int32_t>{0, 1}));
    ageParticles(cloud);
    ageParticles(cloud);
    EXPECT_TRUE(cloud.particles.empty());
    cloud.particles.resize(3);
    clearParticles(cloud);
    EXPECT_TRUE(cloud.particles.empty());
}

}  // namespace
}  // namespace pelmora

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
using Cards = std::vector<Card*>;

// Each pixel tells where it lies: red and green the low bits of its column
// and row, blue the high bits of both.
ImageCopy positionImage(int32_t width, int32_t height) {
    ImageCopy image;
    image.width = width;
    image.height = height;
    for (int32_t row = 0; row < height; ++row) {
        for (int32_t col = 0; col < width; ++col) {
            image.pixels.push_back({static_cast<uint8_t>(col / 256 * 4 + row / 256),
                                    static_cast<uint8_t>(row % 256),
                                    static_cast<uint8_t>(col % 256)});
        }
    }
    return image;
}

std::pair<int, int> sampled(const Particle& p) {
    return {p.red + 256 * (p.blue / 4), p.green + 256 * (p.blue % 4)};
}

// Where a card's dust grid starts: the top of its tile.
std::array<double, 3> cornerOf(const Card& card) {
    return {(card.place.x - 1) * 0.75 - 5.25, 3.0 - (card.place.y - 1), card.level * 0.4 + 10.0};
}

struct DropTest : ::testing::Test {
    FakeSystem system;
    FakeRenderer renderer;
    Game game{system, renderer};
    ImageCopy atlas = positionImage(1024, 1024);
    Cards spare;  // free front-face cards not used yet, next one last

    void SetUp() override {
        game.random.seed(4242);
        dealBoard(game.board, game.random);
        game.cloud.cardImage = &atlas;
        spare = freeCardsOf(0);
    }

    Cards freeCardsOf(uint8_t faceIndex) {
        Cards out;
        const Face& face = *game.board.face(faceIndex);
        for (const Layer& layer : face.layers) {
            for (const auto& card : layer.cards) {
                if (card->free && face.cardAt(card->place) == card.get()) out.push_back(card.get());
            }
        }
        return out;
    }

    // Clicks free front-face cards given these values, in this order.
    Cards pick(const std::vector<uint32_t>& values) {
        Cards picked;
        for (uint32_t value : values) {
            picked.push_back(spare.back());
            spare.pop_back();
            picked.back()->value = value;
            toggleSelection(game, picked.back());
        }
        return picked;
    }

    // Drops, and tells which of the cards left, in the order their dust was
    // laid (cards are destroyed: only their corners, taken before, are read).
    Cards dropAndWatch(const Cards& cards) {
        std::vector<std::array<double, 3>> corners;
        for (const Card* c : cards) corners.push_back(cornerOf(*c));
        EXPECT_TRUE(dropSelection(game));
        Cards order;
        const auto& dust = game.cloud.particles;
        for (size_t start = 0; start < dust.size(); start += DustPerCard) {
            const std::array<double, 3> at{dust[start].x, dust[start].y, dust[start].z};
            const size_t i = static_cast<size_t>(
                std::find(corners.begin(), corners.end(), at) - corners.begin());
            if (i < cards.size()) order.push_back(cards[i]);
        }
        clearParticles(game.cloud);
        return order;
    }
};

TEST_F(DropTest, AWholeHandLeavesNewestFirstAndEmptiesTheSelection) {
    const Cards c = pick({v(9, 0), v(5, 1), v(6, 2), v(8, 0), v(7, 3)});
    EXPECT_EQ(dropAndWatch(c), (Cards{c[4], c[3], c[2], c[1], c[0]}));
    EXPECT_EQ(game.score, (ScoreDigits{4}));
    EXPECT_EQ(selectionCount(game.selection), 0u);
    EXPECT_EQ(game.board.cardCount(), 864u - 5);
}

TEST_F(DropTest, PairsLeaveOldestMatchFirstLowerPairFirstAndKickersStayInOrder) {
    Cards c = pick({v(3, 0), v(12, 1), v(9, 2), v(12, 3), v(1, 0)});
    EXPECT_EQ(dropAndWatch(c), (Cards{c[1], c[3]}));
    EXPECT_EQ(game.selection.cards, (Cards{c[0], c[2], c[4]}));
    EXPECT_TRUE(c[0]->selected && c[2]->selected && c[4]->selected);
    EXPECT_EQ(game.board.cardCount(), 864u - 2);
    // Two more clicks complete the next hand around the kickers: two pair.
    const Cards more = pick({v(3, 2), v(9, 1)});
    EXPECT_EQ(dropAndWatch({c[0], c[2], c[4], more[0], more[1]}),
              (Cards{c[0], more[0], c[2], more[1]}));
    EXPECT_EQ(game.score, (ScoreDigits{3}));
    EXPECT_EQ(game.selection.cards, (Cards{c[4]}));
}

TEST_F(DropTest, SetsLeaveInAscendingValueOrderAndKickersStay) {
    Cards c = pick({v(6, 3), v(2, 1), v(6, 0), v(10, 2), v(6, 1)});
    EXPECT_EQ(dropAndWatch(c), (Cards{c[2], c[4], c[0]}));
    EXPECT_EQ(game.selection.cards, (Cards{c[1], c[3]}));
    clearSelection(game.selection);
    c = pick({v(11, 2), v(11, 3), v(5, 0), v(11, 0), v(11, 1)});
    EXPECT_EQ(dropAndWatch(c), (Cards{c[3], c[4], c[0], c[1]}));
    EXPECT_EQ(game.selection.cards, (Cards{c[2]}));
    EXPECT_EQ(game.score, (ScoreDigits{0, 1}));
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
    for (const std::vector<uint32_t>& values : std::vector<std::vector<uint32_t>>{
             {},
             {v(2, 0), v(2, 1), v(2, 2), v(2, 3)},             // four cards only
             {v(2, 0), v(5, 1), v(9, 2), v(11, 3), v(13, 0)},  // high card
             {v(7, 0), v(7, 0), v(7, 1), v(3, 2), v(9, 3)}}) { // a value used twice
        clearSelection(game.selection);
        const Cards cards = pick(values);
        EXPECT_FALSE(dropSelection(game));
        EXPECT_EQ(game.selection.cards, cards);
        EXPECT_EQ(game.score, (ScoreDigits{0}));
        EXPECT_EQ(game.board.cardCount(), 864u);
        EXPECT_TRUE(game.cloud.particles.empty());
    }
}

TEST_F(DropTest, CardsOfOtherFacesLeaveWithoutDust) {
    Card* away = freeCardsOf(2).front();
    away->value = v(5, 0);
    pick({v(2, 0), v(3, 1), v(4, 2)});
    away->selected = true;  // picked before the cube turned it away
    selectCard(game.selection, away);
    pick({v(6, 0)});
    ASSERT_TRUE(dropSelection(game));
    EXPECT_EQ(game.cloud.particles.size(), 4 * DustPerCard);
    EXPECT_EQ(game.board.face(2)->cardCount(), CardsPerFace - 1);
}

TEST_F(DropTest, ACardItsFaceDoesNotHoldIsReleasedNotLeftMarked) {
    const Cards c = pick({v(3, 0), v(3, 1), v(5, 2), v(8, 3), v(10, 0)});
    c[1]->face = 9;  // no such face: the card cannot be taken off
    ASSERT_TRUE(dropSelection(game));
    EXPECT_FALSE(c[1]->selected);
    EXPECT_EQ(game.selection.cards, (Cards{c[2], c[3], c[4]}));
}

TEST_F(DropTest, DustSamplesEverySecondTexelOfThePictureWithLivesOneToSixty) {
    const Cards c = pick({v(2, 0), v(2, 3), v(5, 1), v(7, 2), v(9, 0)});
    const auto corner = cornerOf(*c[1]);  // the second card of the pair to leave
    ASSERT_TRUE(dropSelection(game));
    ASSERT_EQ(game.cloud.particles.size(), 2 * DustPerCard);
    const AtlasRect picture = cardPictureRect(v(2, 3));
    const Particle* dust = &game.cloud.particles[DustPerCard];
    for (int col = 0; col < 36; ++col) {
        for (int row = 0; row < 48; ++row) {
            const Particle& p = dust[col * 48 + row];
            ASSERT_EQ(sampled(p), std::make_pair(picture.left + 2 * col, picture.bottom + 2 * row));
            ASSERT_NEAR(p.x, corner[0] + 0.02 * col, 1e-9);
            ASSERT_NEAR(p.y, corner[1] + 0.02 * row, 1e-9);
            ASSERT_EQ(p.z, corner[2]);
        }
    }
    const auto [shortest, longest] = std::minmax_element(
        game.cloud.particles.begin(), game.cloud.particles.end(),
        [](const Particle& a, const Particle& b) { return a.life < b.life; });
    EXPECT_EQ(shortest->life, 1);
    EXPECT_EQ(longest->life, 60);
}

TEST_F(DropTest, DustNeverReadsOutsideTheKeptImage) {
    // An atlas too small for the pictures: the samples of the king of suit
    // 0 run past its right and top edges and take the edge pixels instead.
    const ImageCopy small = positionImage(300, 400);
    game.cloud.cardImage = &small;
    Card king = *spare.back();
    king.value = v(13, 0);
    spawnCardParticles(game, king);
    const auto& dust = game.cloud.particles;
    ASSERT_EQ(dust.size(), DustPerCard);
    const int c0 = 246;  // 0.8203125 * 300
    const int r0 = 362;  // 0.90625 * 400
    EXPECT_EQ(sampled(dust[0]), std::make_pair(c0, r0));
    EXPECT_EQ(sampled(dust[20 * 48 + 10]), std::make_pair(c0 + 40, r0 + 20));
    EXPECT_EQ(sampled(dust[35 * 48]), std::make_pair(299, r0));
    EXPECT_EQ(sampled(dust[47]), std::make_pair(c0, 399));
    EXPECT_EQ(sampled(dust.back()), std::make_pair(299, 399));

    // No image, an empty one, or one shorter than its size says: no dust.
    clearParticles(game.cloud);
    ImageCopy empty;
    ImageCopy truncated = positionImage(64, 64);
    truncated.pixels.resize(1000);
    const ImageCopy* unusable[] = {nullptr, &empty, &truncated};
    for (const ImageCopy* image : unusable) {
        game.cloud.cardImage = image;
        spawnCardParticles(game, king);
    }
    EXPECT_TRUE(game.cloud.particles.empty());
    pick({v(2, 0), v(2, 3), v(5, 1), v(7, 2), v(9, 0)});
    EXPECT_TRUE(dropSelection(game));  // the drop itself goes through
}

TEST(ParticleAgeing, EachFrameTakesOneLifeAndDropsThoseAlreadyAtZero) {
    ParticleCloud cloud;
    for (int32_t life : {2, 0, 1, 3}) cloud.particles.push_back({0, 0, 0, 0, 0, 0, life});
    const auto lives = [&] {
        std::vector<int32_t> out;
        for (const Particle& p : cloud.particles) out.push_back(p.life);
        return out;
    };
    ageParticles(cloud);
    EXPECT_EQ(lives(), (std::vector<int32_t>{1, 0, 2}));
    ageParticles(cloud);
    EXPECT_EQ(lives(), (std::vector<int32_t>{0, 1}));
    ageParticles(cloud);
    ageParticles(cloud);
    EXPECT_TRUE(cloud.particles.empty());
}

}  // namespace
}  // namespace pelmora

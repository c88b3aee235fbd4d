#include <gtest/gtest.h>

#include <set>

#include "board/board.h"
#include "board/deal.h"
#include "platform/random.h"

namespace pelmora {
namespace {

class CoverRule : public ::testing::Test {
protected:
    void SetUp() override { deal(); }
    void deal() {
        Random random;
        random.seed(31);
        dealBoard(board, random);
    }
    Face& face() { return *board.face(1); }
    Card* at(int level, double x, double y) { return face().layers[level - 1].cardAt(x, y); }
    bool isFree(int level, double x, double y) {
        const Card* card = at(level, x, y);
        return card && card->free;
    }
    void removeAt(int level, double x, double y) {
        ASSERT_NE(at(level, x, y), nullptr);
        face().removeCard(at(level, x, y));
    }
    Board board;
};

TEST_F(CoverRule, TheTopCardFreesAllFourCardsUnderIt) {
    removeAt(5, 7.5, 4.5);
    EXPECT_TRUE(isFree(4, 7, 4) && isFree(4, 8, 4) && isFree(4, 7, 5) && isFree(4, 8, 5));
    EXPECT_EQ(face().cardCount(), 143u);
}

TEST_F(CoverRule, BottomRowEndsOpenTheirNeighbours) {
    removeAt(1, 2, 1);
    EXPECT_TRUE(isFree(1, 3, 1));
    EXPECT_FALSE(isFree(1, 4, 1));
    removeAt(1, 1, 4.5);
    EXPECT_TRUE(isFree(1, 2, 4) && isFree(1, 2, 5));
    for (double y : {4.0, 5.0}) {
        deal();
        removeAt(1, 13, y);
        EXPECT_TRUE(isFree(1, 14, 4.5)) << "after (13, " << y << ")";
    }
}

TEST_F(CoverRule, AnUncoveredCardNeedsAnOpenSide) {
    removeAt(2, 5, 2);
    EXPECT_FALSE(isFree(1, 5, 2));
    EXPECT_TRUE(isFree(2, 6, 2));

    deal();
    removeAt(1, 4, 2);
    EXPECT_TRUE(isFree(1, 5, 2));  // flagged while still covered...
    EXPECT_EQ(face().cardAt(makePlace(5, 2))->level, 2);  // ...yet a click reaches only the top
}

TEST_F(CoverRule, TheFourthLevelStaysLockedWhileTheTopCardLies) {
    removeAt(3, 6, 4);
    EXPECT_TRUE(isFree(3, 7, 4));
    EXPECT_EQ(face().cardAt(makePlace(7, 4)), at(4, 7, 4));
    EXPECT_FALSE(isFree(4, 7, 4));
}

TEST_F(CoverRule, ACardOfAnotherFaceOpensNothingHere) {
    face().removeCard(board.face(2)->layers[0].cardAt(2, 1));
    EXPECT_EQ(board.cardCount(), 864u);
    EXPECT_FALSE(isFree(1, 3, 1));
}

// Plays the face down, always taking the first free card a click can reach.
TEST_F(CoverRule, FreeNeverRevertsAndFreeCardsAloneClearAFace) {
    std::set<const Card*> freed;
    while (face().cardCount() > 0) {
        Card* next = nullptr;
        for (const Layer& layer : face().layers) {
            for (const auto& card : layer.cards) {
                EXPECT_TRUE(card->free || !freed.count(card.get())) << "a free flag went back";
                if (card->free) freed.insert(card.get());
                if (!next && card->free && face().cardAt(card->place) == card.get()) next = card.get();
            }
        }
        ASSERT_NE(next, nullptr) << face().cardCount() << " cards left, none playable";
        freed.erase(next);
        face().removeCard(next);
    }
}

}  // namespace
}  // namespace pelmora

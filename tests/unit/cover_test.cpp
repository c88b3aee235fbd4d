#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "board/board.h"
#include "board/deal.h"
#include "platform/random.h"

namespace pelmora {
namespace {

class CoverRule : public ::testing::Test {
protected:
    void SetUp() override {
        Random random;
        random.seed(31);
        dealBoard(board, random);
    }

    Face& face() { return *board.face(1); }
    Card* at(int level, double x, double y) { return face().layers[level - 1].cardAt(x, y); }
    bool isFree(int level, double x, double y) {
        const Card* card = at(level, x, y);
        EXPECT_NE(card, nullptr) << "level " << level << " at " << x << "," << y;
        return card && card->free;
    }
    void removeAt(int level, double x, double y) {
        Card* card = at(level, x, y);
        ASSERT_NE(card, nullptr) << "level " << level << " at " << x << "," << y;
        face().removeCard(card);
        ASSERT_EQ(at(level, x, y), nullptr);
    }

    Board board;
};

TEST_F(CoverRule, TheTopCardFreesAllFourCardsUnderIt) {
    removeAt(5, 7.5, 4.5);
    for (auto [x, y] : {std::pair{7.0, 4.0}, {8.0, 4.0}, {7.0, 5.0}, {8.0, 5.0}})
        EXPECT_TRUE(isFree(4, x, y)) << x << "," << y;
    EXPECT_EQ(face().cardCount(), 143u);
}

TEST_F(CoverRule, BottomRowEndsOpenTheirNeighbours) {
    EXPECT_FALSE(isFree(1, 3, 1));
    removeAt(1, 2, 1);
    EXPECT_TRUE(isFree(1, 3, 1));
    EXPECT_FALSE(isFree(1, 4, 1));

    removeAt(1, 1, 4.5);
    EXPECT_TRUE(isFree(1, 2, 4));
    EXPECT_TRUE(isFree(1, 2, 5));
}

TEST_F(CoverRule, EitherRowNextToTheRightHalfRowOpensIt) {
    removeAt(1, 13, 4);
    EXPECT_TRUE(isFree(1, 14, 4.5));
    SetUp();
    removeAt(1, 13, 5);
    EXPECT_TRUE(isFree(1, 14, 4.5));
    SetUp();
    removeAt(1, 15, 4.5);
    EXPECT_TRUE(isFree(1, 14, 4.5));
}

TEST_F(CoverRule, ACardUncoveredWithBothSidesTakenStaysBlocked) {
    removeAt(2, 5, 2);
    EXPECT_FALSE(isFree(1, 5, 2));
    EXPECT_TRUE(isFree(2, 6, 2));
    EXPECT_FALSE(isFree(2, 6, 3)) << "the row below is not opened by a whole step";
}

TEST_F(CoverRule, ACardOpenedFromTheSideEarlierIsFreeOnceUncovered) {
    removeAt(1, 4, 2);
    EXPECT_TRUE(isFree(1, 5, 2));  // flagged while still covered
    EXPECT_EQ(face().cardAt(makePlace(5, 2))->level, 2) << "yet a click reaches only the top";
    removeAt(2, 5, 2);
    EXPECT_TRUE(face().cardAt(makePlace(5, 2))->free);
}

TEST_F(CoverRule, TheFourthLevelStaysLockedWhileTheTopCardLies) {
    removeAt(3, 6, 4);
    EXPECT_TRUE(isFree(3, 7, 4));
    const Card* clicked = face().cardAt(makePlace(7, 4));
    ASSERT_NE(clicked, nullptr);
    EXPECT_EQ(clicked->level, 4);
    EXPECT_FALSE(clicked->free);
}

TEST_F(CoverRule, ACardOfAnotherFaceOpensNothingHere) {
    Card* foreign = board.face(2)->layers[0].cardAt(2, 1);
    face().removeCard(foreign);
    face().removeCard(nullptr);
    EXPECT_EQ(board.cardCount(), 864u);
    EXPECT_FALSE(isFree(1, 3, 1));
}

// Plays the face by always taking the first free card a click can reach.
TEST_F(CoverRule, FreeNeverRevertsWhilePlayingAFaceDown) {
    std::map<const Card*, bool> wasFree;
    for (int removed = 0;; ++removed) {
        Card* next = nullptr;
        for (const Layer& layer : face().layers) {
            for (const auto& card : layer.cards) {
                if (wasFree[card.get()]) {
                    EXPECT_TRUE(card->free) << "flag went back";
                }
                wasFree[card.get()] = card->free;
                if (!next && card->free && face().cardAt(card->place) == card.get()) next = card.get();
            }
        }
        if (!next) {
            EXPECT_EQ(face().cardCount(), 144u - removed);
            break;
        }
        wasFree.erase(next);
        face().removeCard(next);
    }
    EXPECT_EQ(face().cardCount(), 0u) << "free cards alone clear a whole face";
}

}  // namespace
}  // namespace pelmora

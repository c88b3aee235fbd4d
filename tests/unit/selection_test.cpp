#include <gtest/gtest.h>

#include <array>

#include "frame/game.h"
#include "play/selection.h"
#include "support/fake_renderer.h"
#include "support/fake_system.h"

namespace pelmora {
namespace {

const std::string SelectCue = "sounds\\select.wav";
const std::string UnselectableCue = "sounds\\unselectable.wav";

struct SelectionTest : ::testing::Test {
    FakeSystem system;
    FakeRenderer renderer;
    Game game{system, renderer};
    std::array<Card, 8> cards{};

    void SetUp() override {
        for (size_t i = 0; i < cards.size(); ++i) {
            cards[i].free = true;
            cards[i].value = static_cast<uint32_t>(i * 7 % 52);
            cards[i].level = 1;
            cards[i].place = makePlace(static_cast<double>(i + 2), 1);
        }
    }

    void click(size_t i) { toggleSelection(game, &cards[i]); }

    // Indices of the selected cards, oldest first.
    std::vector<size_t> picked() const {
        std::vector<size_t> out;
        for (uint8_t n = 0; n < 5; ++n) {
            const Card* c = selectedCardAt(game.selection, n);
            if (c == nullptr) break;
            out.push_back(static_cast<size_t>(c - cards.data()));
        }
        return out;
    }

    void expectFlagsMatchSelection() const {
        for (size_t i = 0; i < cards.size(); ++i) {
            const auto p = picked();
            const bool listed = std::find(p.begin(), p.end(), i) != p.end();
            EXPECT_EQ(cards[i].selected, listed) << "card " << i;
        }
    }
};

TEST_F(SelectionTest, ClicksSelectInOrderAndASixthReplacesTheOldest) {
    for (size_t i = 0; i < 5; ++i) click(i);
    EXPECT_EQ(picked(), (std::vector<size_t>{0, 1, 2, 3, 4}));
    click(5);
    EXPECT_EQ(picked(), (std::vector<size_t>{1, 2, 3, 4, 5}));
    EXPECT_FALSE(cards[0].selected);
    click(6);
    EXPECT_EQ(picked(), (std::vector<size_t>{2, 3, 4, 5, 6}));
    EXPECT_EQ(selectionCount(game.selection), 5u);
    expectFlagsMatchSelection();
    // One cue per click, none for the silently released card.
    EXPECT_EQ(system.cues, std::vector<std::string>(7, SelectCue));
}

TEST_F(SelectionTest, ClickingASelectedCardReleasesOnlyThatCard) {
    for (size_t i = 0; i < 5; ++i) click(i);
    click(2);
    EXPECT_EQ(picked(), (std::vector<size_t>{0, 1, 3, 4}));
    click(2);  // back in, now the newest
    EXPECT_EQ(picked(), (std::vector<size_t>{0, 1, 3, 4, 2}));
    expectFlagsMatchSelection();
    EXPECT_EQ(system.cues.size(), 7u);
}

TEST_F(SelectionTest, ACardThatIsNotFreeOnlyPlaysUnselectable) {
    for (size_t i = 0; i < 5; ++i) click(i);
    system.cues.clear();
    cards[6].free = false;
    click(6);
    EXPECT_EQ(system.cues, std::vector<std::string>{UnselectableCue});
    EXPECT_EQ(picked(), (std::vector<size_t>{0, 1, 2, 3, 4}));
    EXPECT_FALSE(cards[6].selected);
    expectFlagsMatchSelection();
}

TEST_F(SelectionTest, ClickOnNoCardDoesNothing) {
    click(0);
    system.cues.clear();
    toggleSelection(game, nullptr);
    EXPECT_TRUE(system.cues.empty());
    EXPECT_EQ(picked(), (std::vector<size_t>{0}));
    EXPECT_EQ(game.soundPath, SelectCue);
}

TEST_F(SelectionTest, SelectedCardAtPastTheEndIsNone) {
    for (size_t i = 0; i < 3; ++i) click(i);
    EXPECT_EQ(selectedCardAt(game.selection, 2), &cards[2]);
    EXPECT_EQ(selectedCardAt(game.selection, 3), nullptr);
    EXPECT_EQ(selectedCardAt(game.selection, 4), nullptr);
    EXPECT_EQ(selectedCardAt(game.selection, 255), nullptr);
}

TEST_F(SelectionTest, ClearReleasesEveryCardAndIsHarmlessWhenEmpty) {
    clearSelection(game.selection);
    EXPECT_EQ(selectionCount(game.selection), 0u);
    for (size_t i = 0; i < 4; ++i) click(i);
    clearSelection(game.selection);
    EXPECT_EQ(selectionCount(game.selection), 0u);
    expectFlagsMatchSelection();
}

TEST_F(SelectionTest, UnselectMatchesByValueFaceLevelAndPlace) {
    for (size_t i = 0; i < 3; ++i) click(i);
    Card twin = cards[1];
    twin.face = 3;  // the same value and place on another face is another card
    unselectCard(game.selection, &twin);
    twin.face = cards[1].face;
    twin.level = 2;
    unselectCard(game.selection, &twin);
    twin.level = cards[1].level;
    twin.place.y = 2;
    unselectCard(game.selection, &twin);
    EXPECT_EQ(picked(), (std::vector<size_t>{0, 1, 2}));
    twin.place = cards[1].place;
    unselectCard(game.selection, &twin);
    EXPECT_EQ(picked(), (std::vector<size_t>{0, 2}));
    EXPECT_FALSE(cards[1].selected);
    unselectCard(game.selection, &cards[5]);  // never selected: silent, harmless
    EXPECT_EQ(picked(), (std::vector<size_t>{0, 2}));
}

TEST_F(SelectionTest, CardsKeepTheirPlaceInTheSelectionWhenTheirFaceIsRenumbered) {
    for (size_t i = 0; i < 3; ++i) click(i);
    cards[0].face = 4;  // the cube turned
    cards[1].face = 4;
    click(1);
    EXPECT_EQ(picked(), (std::vector<size_t>{0, 2}));
}

}  // namespace
}  // namespace pelmora

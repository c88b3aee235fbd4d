#include <gtest/gtest.h>

#include <array>

#include "frame/game.h"
#include "play/selection.h"
#include "support/fake_renderer.h"
#include "support/fake_system.h"

namespace pelmora {
namespace {

const std::string SelectCue = "sounds\\select.wav";
using Picks = std::vector<size_t>;

struct SelectionTest : ::testing::Test {
    FakeSystem system;
    FakeRenderer renderer;
    Game game{system, renderer};
    std::array<Card, 8> cards{};

    void SetUp() override {
        for (size_t i = 0; i < cards.size(); ++i) {
            cards[i].free = true;
            cards[i].value = static_cast<uint32_t>(i * 7);
            cards[i].level = 1;
            cards[i].place = makePlace(static_cast<double>(i + 2), 1);
        }
    }

    void click(size_t i) { toggleSelection(game, &cards[i]); }

    // Indices of the selected cards, oldest first; checks the highlight of
    // every card agrees with the list.
    Picks picked() const {
        Picks out;
        for (uint8_t n = 0; selectedCardAt(game.selection, n); ++n) {
            out.push_back(static_cast<size_t>(selectedCardAt(game.selection, n) - cards.data()));
        }
        for (size_t i = 0; i < cards.size(); ++i) {
            EXPECT_EQ(cards[i].selected, std::count(out.begin(), out.end(), i) == 1) << i;
        }
        return out;
    }
};

TEST_F(SelectionTest, ClicksSelectInOrderAndASixthReplacesTheOldest) {
    for (size_t i = 0; i < 5; ++i) click(i);
    EXPECT_EQ(picked(), (Picks{0, 1, 2, 3, 4}));
    click(5);
    EXPECT_EQ(picked(), (Picks{1, 2, 3, 4, 5}));
    click(6);
    EXPECT_EQ(picked(), (Picks{2, 3, 4, 5, 6}));
    // One cue per click, none for the silently released cards.
    EXPECT_EQ(system.cues, std::vector<std::string>(7, SelectCue));
}

TEST_F(SelectionTest, ClickingASelectedCardReleasesOnlyThatCard) {
    for (size_t i = 0; i < 5; ++i) click(i);
    click(2);
    EXPECT_EQ(picked(), (Picks{0, 1, 3, 4}));
    EXPECT_EQ(selectedCardAt(game.selection, 4), nullptr);
    click(2);  // back in, now the newest
    EXPECT_EQ(picked(), (Picks{0, 1, 3, 4, 2}));
    EXPECT_EQ(system.cues.size(), 7u);
}

TEST_F(SelectionTest, NotFreeCardPlaysUnselectableAndNoCardPlaysNothing) {
    for (size_t i = 0; i < 5; ++i) click(i);
    system.cues.clear();
    cards[6].free = false;
    click(6);
    EXPECT_EQ(system.cues, std::vector<std::string>{"sounds\\unselectable.wav"});
    toggleSelection(game, nullptr);
    EXPECT_EQ(system.cues.size(), 1u);
    EXPECT_EQ(picked(), (Picks{0, 1, 2, 3, 4}));
}

TEST_F(SelectionTest, SelectedCardAtPastTheEndIsNoneAndClearReleasesAll) {
    clearSelection(game.selection);  // harmless when empty
    for (size_t i = 0; i < 3; ++i) click(i);
    EXPECT_EQ(selectedCardAt(game.selection, 2), &cards[2]);
    EXPECT_EQ(selectedCardAt(game.selection, 4), nullptr);
    EXPECT_EQ(selectedCardAt(game.selection, 255), nullptr);
    clearSelection(game.selection);
    EXPECT_EQ(selectionCount(game.selection), 0u);
    EXPECT_EQ(picked(), Picks{});
}

TEST_F(SelectionTest, UnselectMatchesByValueFaceLevelAndPlace) {
    for (size_t i = 0; i < 3; ++i) click(i);
    Card twin = cards[1];
    twin.face = 3;  // the same value at the same place of another face
    unselectCard(game.selection, &twin);
    twin = cards[1];
    twin.level = 2;
    unselectCard(game.selection, &twin);
    twin = cards[1];
    twin.place.y = 2;
    unselectCard(game.selection, &twin);
    unselectCard(game.selection, &cards[5]);  // never selected: silent, harmless
    EXPECT_EQ(picked(), (Picks{0, 1, 2}));
    twin = cards[1];
    unselectCard(game.selection, &twin);
    EXPECT_EQ(picked(), (Picks{0, 2}));
}

}  // namespace
}  // namespace pelmora

#include <gtest/gtest.h>

#include <memory>

#include "unit/game_rig.h"

namespace pelmora {
namespace {

struct InputTest : GameRig, ::testing::Test {
    // Free cards on the first layer of the front face, the first few selected.
    void selectCards(std::vector<uint32_t> values, size_t selected) {
        Face& front = *game.board.face(0);
        for (uint8_t level = 1; front.layers.size() < LevelCount; ++level)
            front.layers.push_back({level, {}});
        for (uint32_t v : values)
            front.layers[0].add(std::make_unique<Card>(Card{false, true, 0, v, 1, {}}));
        for (size_t i = 0; i < selected; ++i) toggleSelection(game, front.layers[0].cards[i].get());
        sys.cues.clear();
    }
};

TEST_F(InputTest, HeldKeyActsOncePerSecondAndAReleaseRearmsIt) {
    send(MessageKind::KeyDown, 0x1000);  // beyond the keyboard: ignored
    send(MessageKind::KeyDown, vk::Down);
    for (uint32_t wait : {0u, 1000u, 1u}) {
        game.menuPage = PageNewGame;
        sys.ticks += wait;
        runFrameInput(game);
        EXPECT_EQ(game.menuPage, wait == 1000 ? PageNewGame : PageQuit) << wait;
    }
    send(MessageKind::KeyUp, vk::Down);
    send(MessageKind::KeyDown, vk::Down);
    game.menuPage = PageNewGame;
    runFrameInput(game);
    EXPECT_EQ(game.menuPage, PageQuit);
}

TEST(MenuKeys, EveryKeyOnEveryPage) {
    struct Row { uint32_t key; MenuPage page, wantPage; GameMode mode; bool running, restarts; };
    const uint32_t P = vk::letter('P');
    const Row rows[] = {
        {vk::Enter, PageNewGame, PageNewGame, ModePlaying, true, true},
        {vk::Enter, PageQuit, PageQuit, ModeMenu, false, true},
        {vk::Enter, PageGameOver, PageNewGame, ModeMenu, true, true},
        {vk::Up, PageNewGame, PageNewGame, ModeMenu, true, true},
        {vk::Up, PageQuit, PageNewGame, ModeMenu, true, true},
        {vk::Down, PageNewGame, PageQuit, ModeMenu, true, true},
        {vk::Down, PageQuit, PageQuit, ModeMenu, true, true},
        {P, PageGameWon, PageGameWon, ModeMenu, true, false},
        {P, PagePaused, PagePaused, ModePlaying, true, true},
    };
    for (const Row& r : rows) {
        GameRig rig;
        rig.game.menuPage = r.page;
        rig.game.input.keys[r.key] = true;
        runFrameInput(rig.game);
        SCOPED_TRACE("key " + std::to_string(r.key) + " on page " + std::to_string(r.page));
        EXPECT_EQ(rig.game.menuPage, r.wantPage);
        EXPECT_EQ(rig.game.mode, r.mode);
        EXPECT_EQ(rig.game.window.running, r.running);
        EXPECT_EQ(rig.game.gate.lastAction, r.restarts ? rig.sys.ticks : 0u);
    }
}

TEST_F(InputTest, MouseIsIgnoredInTheMenuAndAFailedDropClearsTheSelection) {
    selectCards({0, 14, 30, 45, 9}, 5);  // no hand
    sys.cursor = {0, 0};
    send(MessageKind::MouseMove);
    send(MessageKind::LeftButtonUp);
    send(MessageKind::RightButtonUp);
    EXPECT_TRUE(sys.cues.empty());
    EXPECT_EQ(game.input.tiltX, 0.0);
    game.mode = ModePlaying;
    send(MessageKind::RightButtonUp);
    EXPECT_TRUE(game.selection.cards.empty());
    EXPECT_FALSE(game.board.face(0)->layers[0].cards[0]->selected);
    EXPECT_EQ(sys.cues, std::vector<std::string>{"sounds\\nodrop.wav"});
}

TEST_F(InputTest, DropRefillsTheCountdownAndAClearedBoardWinsWithoutCueOrScore) {
    game.mode = ModePlaying;
    game.score = {9, 9, 9};
    selectCards({0, 2, 4, 6, 8, 20}, 5);  // a flush, one more card left
    game.clock.countdownUnits = 3;
    game.clock.countdownTens = 0;
    game.clock.warned = true;
    send(MessageKind::RightButtonUp);
    EXPECT_EQ(game.clock.countdownTens * 10 + game.clock.countdownUnits, 30u);
    EXPECT_FALSE(game.clock.warned);
    EXPECT_EQ(sys.cues, std::vector<std::string>{"sounds\\drop.wav"});
    game.board.face(0)->layers[0].cards.clear();
    selectCards({13, 16, 19, 22, 25}, 5);  // the last cards, another flush
    send(MessageKind::RightButtonUp);
    EXPECT_EQ(game.menuPage, PageGameWon);
    EXPECT_EQ(game.mode, ModeMenu);
    EXPECT_TRUE(sys.cues.empty());
    EXPECT_EQ(game.topScore.value, ScoreDigits{0});
}

TEST_F(InputTest, LeftClickPicksOnlyOnTheFaceInSight) {
    startNewGame(game);
    sys.cursor = {500, 390};  // the top card
    readCursor(game);
    game.turn.turnRunning = true;
    send(MessageKind::LeftButtonUp);
    EXPECT_TRUE(game.selection.cards.empty());
    // A turn that ended with no mouse move since: the click renames the faces first.
    game.turn = CubeTurn{};
    game.turn.turnFinished = true;
    const Face* oldTop = game.board.face(4);
    send(MessageKind::LeftButtonUp);
    ASSERT_EQ(game.selection.cards.size(), 1u);
    EXPECT_EQ(game.selection.cards[0], oldTop->layers[4].cards[0].get());
}

TEST(EdgeDwell, TurnsAfterMoreThan750msInTheFirstBandThatHolds) {
    struct Row { int32_t x, y; int direction; };  // -1: no band
    const Row rows[] = {{10, 760, TurnDown},   {1020, 10, TurnUp},     {1000, 400, TurnRight},
                        {49, 400, TurnLeft},   {50, 717, -1},          {-30, 300, TurnLeft},
                        {1100, 300, TurnRight}, {-30, -30, TurnUp}};
    for (const Row& r : rows) {
        GameRig rig;
        rig.game.mode = ModePlaying;
        rig.sys.cursor = {r.x, r.y};
        readCursor(rig.game);
        for (uint32_t wait : {0u, 750u, 1u}) {
            EXPECT_FALSE(rig.game.turn.turnRunning) << r.x << "," << r.y;
            rig.sys.ticks += wait;
            runFrameInput(rig.game);
        }
        EXPECT_EQ(rig.game.turn.turnRunning, r.direction >= 0) << r.x << "," << r.y;
        EXPECT_EQ(rig.game.turn.turnDirection, std::max(r.direction, 0));
    }
}

TEST_F(InputTest, DwellStartsAfreshWhenATurnEnds) {
    game.mode = ModePlaying;
    sys.cursor = {500, 5};
    readCursor(game);
    runFrame(game);  // arms the dwell
    sys.ticks += 751;
    for (int frame = 0; frame < 71; ++frame) runFrame(game);  // the turn starts and plays out
    ASSERT_TRUE(game.turn.turnFinished);
    for (uint32_t wait : {1001u, 750u, 1u}) {  // past the key delay, then a fresh dwell
        EXPECT_FALSE(game.turn.turnRunning);
        sys.ticks += wait;
        runFrame(game);
    }
    EXPECT_TRUE(game.turn.turnRunning);
}

}  // namespace
}  // namespace pelmora

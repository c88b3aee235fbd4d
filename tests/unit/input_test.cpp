#include <gtest/gtest.h>

#include <memory>

#include "unit/game_rig.h"
#include "view/tilt.h"

namespace pelmora {
namespace {

struct Input : GameRig, ::testing::Test {
    // Free cards on the first layer of the front face, the first few selected.
    void selectCards(std::vector<uint32_t> values, size_t selected) {
        Face& front = *game.board.face(0);
        for (uint8_t level = 1; front.layers.size() < LevelCount; ++level)
            front.layers.push_back({level, {}});
        for (uint32_t v : values)
            front.layers[0].add(std::make_unique<Card>(Card{false, true, 0, v, 1, {}}));
        for (size_t i = 0; i < selected; ++i)
            toggleSelection(game.selection, front.layers[0].cards[i].get(), game.cues);
        sys.cues.clear();
    }
};

// The delay runs out across the wrap of the tick count. Only a release lets
// the next press act at once; a press leaves the delay.
TEST_F(Input, AHeldKeyActsOnceAfterMoreThanASecondAndAReleaseRearmsIt) {
    game.gate.lastAction = 5;
    send(MessageKind::KeyDown, vk::letter('S'));
    EXPECT_TRUE(game.input.keys[vk::letter('S')] && game.gate.lastAction == 5);
    send(MessageKind::KeyUp, vk::letter('S'));
    EXPECT_TRUE(!game.input.keys[vk::letter('S')] && game.gate.lastAction == 0);
    send(MessageKind::KeyDown, 0x1000);  // beyond the keyboard: ignored
    sys.ticks = 0u - 500;
    for (uint32_t wait : {0u, 400u, 600u, 1u, 1000u, 0u}) {
        if (wait == 0) {
            send(MessageKind::KeyUp, vk::Down);
            send(MessageKind::KeyDown, vk::Down);
        }
        game.menuPage = PageNewGame;
        sys.ticks += wait;
        runFrameInput(game);
        EXPECT_EQ(game.menuPage, wait < 2 ? PageQuit : PageNewGame) << wait;
    }
}

TEST(MenuKeys, EveryKeyOnEveryPage) {
    // key, page, page after, mode after, still running, key delay restarted
    const std::tuple<uint32_t, MenuPage, MenuPage, GameMode, bool, bool> rows[] = {
        {vk::Enter, PageNewGame, PageNewGame, ModePlaying, true, true},
        {vk::Enter, PageQuit, PageQuit, ModeMenu, false, true},
        {vk::Enter, PageGameOver, PageNewGame, ModeMenu, true, true},
        {vk::Up, PageNewGame, PageNewGame, ModeMenu, true, true},
        {vk::Up, PageQuit, PageNewGame, ModeMenu, true, true},
        {vk::Down, PageNewGame, PageQuit, ModeMenu, true, true},
        {vk::Down, PageQuit, PageQuit, ModeMenu, true, true},
        {vk::letter('P'), PageGameWon, PageGameWon, ModeMenu, true, false},
        {vk::letter('P'), PagePaused, PagePaused, ModePlaying, true, true},
    };
    for (const auto& [key, page, wantPage, mode, running, restarts] : rows) {
        GameRig rig;
        rig.game.menuPage = page;
        rig.send(MessageKind::KeyDown, key);
        runFrameInput(rig.game);
        SCOPED_TRACE("key " + std::to_string(key) + " on page " + std::to_string(page));
        EXPECT_EQ(rig.game.menuPage, wantPage);
        EXPECT_EQ(rig.game.mode, mode);
        EXPECT_EQ(rig.game.window.running, running);
        EXPECT_EQ(rig.game.gate.lastAction, restarts ? rig.sys.ticks : 0u);
    }
}

TEST_F(Input, MouseOnlyInPlayAndAFailedDropClearsButAGoodOneRefillsTheCountdownOrWins) {
    selectCards({0, 14, 30, 45, 9}, 5);  // no hand
    sys.cursor = {0, 0};
    for (auto kind : {MessageKind::MouseMove, MessageKind::LeftButtonUp, MessageKind::RightButtonUp})
        send(kind);
    EXPECT_EQ(game.selection.cards.size(), 5u);  // the menu ignores the mouse
    EXPECT_EQ(game.input.tiltX, 0.0);
    game.mode = ModePlaying;
    send(MessageKind::RightButtonUp);
    EXPECT_TRUE(game.selection.cards.empty());
    EXPECT_FALSE(game.board.face(0)->layers[0].cards[0]->selected);
    EXPECT_EQ(sys.cues, std::vector<std::string>{"sounds\\nodrop.wav"});
    game.board.face(0)->layers.at(0).cards.clear();
    selectCards({0, 2, 4, 6, 8, 20}, 5);  // a flush, one more card left
    game.score = {9, 9, 9};
    game.clock.countdownUnits = 3;
    game.clock.countdownTens = 0;
    game.clock.warned = true;
    send(MessageKind::RightButtonUp);
    EXPECT_EQ(game.clock.countdownTens * 10 + game.clock.countdownUnits, 30u);
    EXPECT_FALSE(game.clock.warned);
    EXPECT_EQ(sys.cues, std::vector<std::string>{"sounds\\drop.wav"});
    game.board.face(0)->layers.at(0).cards.clear();
    selectCards({13, 16, 19, 22, 25}, 5);  // the last cards, another flush
    send(MessageKind::RightButtonUp);
    EXPECT_EQ(game.menuPage, PageGameWon);
    EXPECT_EQ(game.mode, ModeMenu);
    EXPECT_TRUE(sys.cues.empty());
    EXPECT_EQ(game.topScore.value, ScoreDigits{0});
}

TEST(WindowMessages, EachKindIsHandledOrLeftToTheSystem) {
    const struct { MessageKind kind; SystemCommandKind command; int32_t result; } rows[] = {
        {MessageKind::SystemCommand, SystemCommandKind::ScreenSaver, 0},
        {MessageKind::SystemCommand, SystemCommandKind::MonitorPower, 0},
        {MessageKind::SystemCommand, SystemCommandKind::Other, MessageLeftToSystem},
        {MessageKind::SystemKeyDown, SystemCommandKind::Other, MessageLeftToSystem},
        {MessageKind::Quit, SystemCommandKind::Other, MessageLeftToSystem},
        {MessageKind::Size, SystemCommandKind::Other, 0},
        {MessageKind::Close, SystemCommandKind::Other, 0}};
    for (const auto& r : rows) {
        GameRig rig;
        rig.game.mode = ModePlaying;
        Message message{r.kind, vk::letter('A')};
        message.command = r.command;
        EXPECT_EQ(windowProcedure(rig.game, message), r.result) << int(r.kind);
        EXPECT_FALSE(rig.game.input.keys[vk::letter('A')]);  // Alt keys are never recorded
        EXPECT_EQ(rig.gfx.perspective, r.kind == MessageKind::Size);
        const bool quits = r.kind == MessageKind::Close;
        EXPECT_EQ(rig.sys.messages.size(), quits ? 1u : 0u);
        if (quits) {
            EXPECT_TRUE(rig.sys.messages[0].kind == MessageKind::Quit &&
                        rig.sys.messages[0].exitCode == 0);
        }
    }
}

// While the cube turns the cursor is put back once a frame; the move that
// putting it back raises is let pass.
TEST_F(Input, DuringATurnTheCursorIsPutBackOnceAFrame) {
    game.mode = ModePlaying;
    game.turn.turnRunning = true;
    game.input.cursorX = 300, game.input.cursorY = 200;
    const Point moves[] = {{600, 400}, {700, 500}, {650, 450}}, after[] = {{300, 200}, {700, 500}, {300, 200}};
    for (int i = 0; i < 3; ++i) {
        if (i == 2) runFrameInput(game);  // a new frame
        sys.cursor = moves[i];
        send(MessageKind::MouseMove);
        EXPECT_TRUE(sys.cursor.x == after[i].x && sys.cursor.y == after[i].y) << i;
    }
}

// A, D, W, S in that order: the first held key turns, the others are refused.
// The frame that pauses keeps the pin mark; every other playing frame clears it.
TEST(TurnKeys, TheFirstHeldKeyTurnsAndPauseEndsTheFrame) {
    const struct { std::vector<char> held; int direction; } rows[] = {
        {{'A'}, TurnLeft}, {{'D'}, TurnRight}, {{'W'}, TurnUp}, {{'S'}, TurnDown},
        {{'S', 'W', 'D', 'A'}, TurnLeft}, {{'S', 'W'}, TurnUp}, {{'P'}, -1}};
    for (const auto& r : rows) {
        GameRig rig;
        rig.game.mode = ModePlaying;
        rig.game.input.pinMark = true;
        for (char key : r.held) rig.send(MessageKind::KeyDown, vk::letter(key));
        runFrameInput(rig.game);
        EXPECT_EQ(rig.game.turn.turnRunning ? rig.game.turn.turnDirection : -1, r.direction)
            << r.held[0];
        EXPECT_EQ(rig.game.input.pinMark, r.direction < 0) << r.held[0];
    }
}

// Each row dwells twice: a turn that ends leaves the dwell to start afresh.
TEST(EdgeDwell, TurnsAfterMoreThan750msInTheFirstBandThatHolds) {
    const struct { int32_t x, y; int direction; } rows[] = {  // -1: in no band
        {10, 760, TurnDown}, {1020, 10, TurnUp}, {1000, 400, TurnRight}, {49, 400, TurnLeft},
        {50, 717, -1},        {500, 718, TurnDown}, {500, 49, TurnUp},   {500, 50, -1},
        {974, 400, TurnRight}, {973, 400, -1},      {50, 400, -1},       {0, 767, TurnDown},
        {1023, 0, TurnUp},
        // Outside the client area (windowed play): past every side and corner.
        {-1, 400, -1}, {1024, 400, -1}, {500, -1, -1}, {500, 768, -1}, {-30, -30, -1},
        {1100, -30, -1}, {-30, 900, -1}, {1024, 768, -1}, {-2000, 300, -1}, {500, 5000, -1}};
    for (const auto& r : rows) {
        GameRig rig;
        rig.game.mode = ModePlaying;
        rig.sys.cursor = {r.x, r.y};
        readCursor(rig.game.input, rig.sys);
        for (uint32_t firstWait : {0u, 1001u}) {  // the second waits out the key delay first
            for (uint32_t wait : {firstWait, 750u, 1u}) {
                EXPECT_FALSE(rig.game.turn.turnRunning) << r.x << "," << r.y;
                rig.sys.ticks += wait;
                runFrame(rig.game);
            }
            EXPECT_EQ(rig.game.turn.turnRunning, r.direction >= 0) << r.x << "," << r.y;
            EXPECT_EQ(rig.game.turn.turnDirection, std::max(r.direction, 0));
            for (int frame = 0; frame < 70; ++frame) runFrame(rig.game);  // the turn plays out
        }
    }
}


// The front face turns out of sight during a turn, and index 0 still names it
// until the faces are renamed: a click must pick on the face the player sees.
TEST_F(Input, AClickDuringOrJustAfterATurnNeverPicksAHiddenCard) {
    startNewGame(game);
    toggleSelection(game.selection, game.board.face(0)->cardAt({7.5, 4.5}), game.cues);
    startNewGame(game);  // the deal takes every card, so nothing stays selected
    EXPECT_EQ(selectionCount(game.selection), 0u);
    sys.cursor = {510, 385};  // over the top card
    send(MessageKind::MouseMove);
    Card* oldTop = game.board.face(0)->cardAt({7.5, 4.5});
    Card* comingTop = game.board.face(4)->cardAt({7.5, 4.5});
    ASSERT_TRUE(oldTop && comingTop) << "no dealt cube";
    TurnContext turn = turnContext(game);
    startTurn(turn, TurnUp);
    sys.cues.clear();
    send(MessageKind::LeftButtonUp);
    EXPECT_EQ(selectionCount(game.selection), 0u);
    EXPECT_TRUE(sys.cues.empty());
    while (game.turn.turnRunning) stepTurnAnimation(turn);
    send(MessageKind::LeftButtonUp);
    ASSERT_EQ(selectionCount(game.selection), 1u);
    EXPECT_EQ(selectedCardAt(game.selection, 0), comingTop);
    EXPECT_FALSE(oldTop->selected);
    EXPECT_EQ(comingTop->face, 0);
}

}  // namespace
}  // namespace pelmora

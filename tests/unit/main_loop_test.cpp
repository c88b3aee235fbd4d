#include <gtest/gtest.h>

#include "unit/game_rig.h"

namespace pelmora {
namespace {

struct MainLoopTest : GameRig, ::testing::Test {
    uint32_t elapsedSeconds() const {
        return game.clock.secondsTens * 10 + game.clock.secondsUnits;
    }
    long ticksHeard() const { return countOf(sys.cues, "sounds\\tick.wav"); }
};

TEST_F(MainLoopTest, MessagesGetNoFrameAndTheLoopEndsOnQuitEscapeOrAFailedStart) {
    provideTextures();
    game.mode = ModePlaying;  // the loop starts in the menu whatever came before
    sys.press(vk::Down);
    sys.postQuitMessage(7);
    EXPECT_EQ(runMainLoop(game), 7);
    EXPECT_EQ(sys.swaps, 0);
    EXPECT_EQ(game.menuPage, PageNewGame);
    EXPECT_EQ(gfx.calls.front(), "orthographic");
    sys.press(vk::Escape);
    EXPECT_EQ(runMainLoop(game), 0);
    EXPECT_EQ(gfx.menuFrames, 0);
    EXPECT_EQ(sys.steps.back(), "unregisterWindowClass");
    sys.bitmaps.clear();
    sys.postQuitMessage(7);  // never read
    EXPECT_EQ(runMainLoop(game), 0);
    EXPECT_EQ(sys.boxes.back().text, "Initialization Failed.");
    EXPECT_EQ(sys.messages.size(), 1u);
}

TEST_F(MainLoopTest, EscapeLeavesTheGameAndHeldOnEndsTheProgram) {
    startNewGame(game);
    send(MessageKind::KeyDown, vk::Escape);
    EXPECT_TRUE(runFrame(game));
    EXPECT_EQ(game.mode, ModeMenu);
    EXPECT_EQ(game.board.cardCount(), 0u);
    sys.ticks += 1000;
    EXPECT_TRUE(runFrame(game));
    sys.ticks += 1;
    EXPECT_FALSE(runFrame(game));
}

TEST_F(MainLoopTest, AGameFromTheDealThroughAPauseToTheTimeout) {
    sys.screen = {1920, 1080};
    sys.clientOrigin = {448, 156};
    startNewGame(game);
    EXPECT_EQ(sys.cursorMoves.back().x, 960);
    EXPECT_EQ(game.input.cursorY, 384);  // read at once: no stale position turns the cube
    toggleSelection(game, game.board.face(0)->cardAt({7.5, 4.5}));
    framesAfterASecond(2);  // the first only stamps the clock
    send(MessageKind::KeyDown, vk::letter('P'));
    runFrame(game);
    send(MessageKind::KeyUp, vk::letter('P'));
    EXPECT_EQ(game.menuPage, PagePaused);
    sys.ticks += 60000;
    runFrame(game);
    send(MessageKind::KeyDown, vk::letter('P'));
    for (int i = 0; i < 3; ++i) runFrame(game);
    send(MessageKind::KeyUp, vk::letter('P'));
    EXPECT_EQ(game.mode, ModePlaying);
    EXPECT_EQ(elapsedSeconds(), 2u);  // one step for the whole stay in the menu
    EXPECT_EQ(game.selection.cards.size(), 1u);
    game.clock.countdownTens = 0;
    game.clock.countdownUnits = 6;
    framesAfterASecond(1);
    EXPECT_EQ(ticksHeard(), 0);
    framesAfterASecond(4);  // 04 to 01
    EXPECT_EQ(ticksHeard(), 1);
    refillCountdown(game.clock);  // as every drop does
    game.clock.countdownTens = 0;
    game.clock.countdownUnits = 5;
    framesAfterASecond(1);
    EXPECT_EQ(ticksHeard(), 2);
    game.clock.countdownUnits = 1;
    game.score = {7};
    framesAfterASecond(1);
    EXPECT_EQ(game.menuPage, PageGameOver);
    EXPECT_EQ(game.board.cardCount(), 0u);
    EXPECT_EQ(game.topScore.value, ScoreDigits{7});
    EXPECT_FALSE(gfx.lastPerspective);
}

TEST_F(MainLoopTest, MinimisedWindowDrawsNothingAndStopsTheClockButReadsKeys) {
    startNewGame(game);
    runFrame(game);
    Message minimise = FakeSystem::simple(MessageKind::Activate);
    minimise.minimised = true;
    windowProcedure(game, minimise);
    framesAfterASecond(2);
    EXPECT_EQ(sys.swaps, 1);
    EXPECT_EQ(elapsedSeconds(), 0u);
    send(MessageKind::KeyDown, vk::letter('P'));
    runFrame(game);
    EXPECT_EQ(game.menuPage, PagePaused);
}

}  // namespace
}  // namespace pelmora

#include <gtest/gtest.h>

#include <algorithm>

#include "unit/game_rig.h"

namespace pelmora {
namespace {

struct MainLoop : GameRig, ::testing::Test {
    uint32_t secondsShown() const { return game.clock.secondsTens * 10 + game.clock.secondsUnits; }
    long ticksHeard() const { return std::count(sys.cues.begin(), sys.cues.end(), "sounds\\tick.wav"); }
};

TEST_F(MainLoop, AGameThroughAPauseWhileMinimisedToATimeoutWithABetterScore) {
    sys.screen = {1920, 1080};
    startNewGame(game);
    EXPECT_EQ(game.input.cursorY, 540);  // read at once: no stale position turns the cube
    toggleSelection(game.selection, game.board.face(0)->cardAt({7.5, 4.5}), game.cues);
    const size_t cards = game.board.cardCount();
    framesAfterASecond(2);  // the first only stamps the clock, so the second shows nothing new
    send(MessageKind::Activate, 0, true);  // minimised: no frame, no clock
    framesAfterASecond(2);
    EXPECT_EQ(sys.swaps, 1);
    send(MessageKind::KeyDown, vk::letter('P'));  // but the keys still act
    runFrame(game);
    send(MessageKind::KeyUp, vk::letter('P'));
    EXPECT_EQ(game.menuPage, PagePaused);
    send(MessageKind::Activate);
    framesAfterASecond(3);  // the menu's frames leave the clock alone
    sys.ticks += 60000;
    runFrame(game);
    send(MessageKind::KeyDown, vk::letter('P'));
    for (int i = 0; i < 3; ++i) runFrame(game);
    send(MessageKind::KeyUp, vk::letter('P'));
    EXPECT_EQ(game.mode, ModePlaying);
    EXPECT_EQ(secondsShown(), 2u);  // one step for the whole stay in the menu
    EXPECT_EQ(game.selection.cards.size(), 1u);
    EXPECT_EQ(game.board.cardCount(), cards);
    game.clock.countdownUnits = 6;
    game.clock.countdownTens = 0;
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
    EXPECT_FALSE(gfx.perspective);
    game.score = {6};  // a later, lower score leaves it
    endGameOnTimeout(game);
    EXPECT_EQ(game.topScore.value, ScoreDigits{7});
}

// Like the desktop, it sends a message of its own while it shows the window.
struct SendingSystem : FakeSystem {
    void showWindow() override {
        FakeSystem::showWindow();
        if (procedure_) procedure_({MessageKind::KeyDown, vk::letter('Q')});
    }
    bool hasProcedure() const { return static_cast<bool>(procedure_); }
};

TEST(MainLoopMessages, MessagesSentWhileTheWindowOpensReachTheGameAndQuitCarriesItsCode) {
    SendingSystem sys;
    FakeRenderer gfx;
    Game game{sys, gfx};
    sys.provideTextures();
    sys.messages.push_back({MessageKind::KeyDown, vk::Space});
    sys.messages.push_back({MessageKind::Quit});
    sys.messages.back().exitCode = 3;
    EXPECT_EQ(runMainLoop(game), 3);
    EXPECT_TRUE(game.input.keys[vk::letter('Q')] && game.input.keys[vk::Space]);
    EXPECT_FALSE(sys.hasProcedure()) << "the procedure outlives the loop";
}

}  // namespace
}  // namespace pelmora

#include "view/turn.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "frame/game.h"
#include "support/fake_renderer.h"
#include "support/fake_system.h"

namespace pelmora {
namespace {

TEST(FillLinear, EndsExactAndStepsByRepeatedAddition) {
    std::vector<double> list{7, 7, 7};
    fillLinear(list, 60, 0.3, 90.7);
    ASSERT_EQ(list.size(), 60u);
    EXPECT_EQ(list.front(), 0.3);
    EXPECT_EQ(list.back(), 90.7);
    double running = 0.3;
    for (size_t i = 1; i + 1 < list.size(); ++i) EXPECT_EQ(list[i], running += (90.7 - 0.3) / 59);
    fillLinear(list, 1, 3, 4);  // too short for both ends: no runaway count
    EXPECT_EQ(list, std::vector<double>{3});
}

class CubeTurning : public ::testing::Test {
protected:
    FakeSystem system;
    FakeRenderer renderer;
    Game game{system, renderer};
    Face* original[6] = {};

    void SetUp() override { freshBoard(); }
    // Each face carries one card whose value names the face it started as.
    void freshBoard() {
        game.turn = CubeTurn{};
        for (uint8_t i = 0; i < 6; ++i) {
            game.board.faces[i] = std::make_unique<Face>();
            original[i] = game.board.faces[i].get();
            original[i]->layers.resize(1);
            auto card = std::make_unique<Card>();
            card->value = card->face = i;
            original[i]->layers[0].cards.push_back(std::move(card));
        }
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) stepTurnAnimation(game);
    }
    void wholeTurn(uint8_t direction) {
        startTurn(game, direction);
        frames(70);
    }
    // What the mouse-move handler does after a finished turn.
    void commitPending() {
        ASSERT_TRUE(game.turn.turnFinished);
        game.turn.turnFinished = false;
        commitTurn(game);
    }
    long flips() const { return std::count(system.cues.begin(), system.cues.end(), "sounds\\flip.wav"); }
};

TEST_F(CubeTurning, UpTurnFromTheDeadZone) {
    system.ticks = 555000;
    startTurn(game, TurnUp);
    EXPECT_EQ(flips(), 1);
    EXPECT_EQ(game.turn.targetFace, 4);
    EXPECT_EQ(game.gate.lastAction, 555000u);
    double expected = 0.0;
    for (int frame = 1; frame <= 60; ++frame) {
        stepTurnAnimation(game);
        if (frame > 1) expected = frame == 60 ? 90.0 : expected + 90.0 / 59;
        ASSERT_EQ(game.input.tiltX, expected) << "frame " << frame;
        ASSERT_EQ(game.input.tiltY, 0.0);
        ASSERT_EQ(system.cursorShapes.back(), CursorShape::Wait);
    }
    frames(9);
    EXPECT_TRUE(game.turn.turnRunning);
    EXPECT_EQ(system.cursorShapes.back(), CursorShape::Wait);
    game.input.edgeDwell = {true, 1234, 0, 750};
    frames(1);
    EXPECT_EQ(game.input.tiltZ, 0.0);
    EXPECT_EQ(system.cursorShapes.back(), CursorShape::Arrow);
    EXPECT_FALSE(game.input.edgeDwell.armed);
    EXPECT_EQ(game.input.edgeDwell.since, 0u);
    EXPECT_FALSE(game.turn.turnRunning);
    EXPECT_TRUE(game.turn.turnFinished);
    EXPECT_EQ(game.board.faces[0].get(), original[0]);  // the commit waits
}

TEST_F(CubeTurning, RequestsDuringTurnOrSettlingAreDropped) {
    startTurn(game, TurnUp);
    frames(30);
    startTurn(game, TurnLeft);
    frames(35);
    startTurn(game, TurnUp);
    startTurn(game, 7);  // no such direction, ever
    EXPECT_EQ(flips(), 1);
    frames(5);
    EXPECT_TRUE(game.turn.turnFinished);
    EXPECT_EQ(game.input.tiltX, 90.0);
}

TEST_F(CubeTurning, EachDirectionCommitsItsCycleAndRenumbers) {
    struct Case {
        uint8_t direction;
        uint32_t cameFrom[6];  // the face now at index i was at cameFrom[i]
    };
    const Case cases[] = {{TurnUp, {4, 1, 5, 3, 2, 0}},
                          {TurnDown, {5, 1, 4, 3, 0, 2}},
                          {TurnRight, {1, 2, 3, 0, 4, 5}},
                          {TurnLeft, {3, 0, 1, 2, 4, 5}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.direction));
        freshBoard();
        wholeTurn(c.direction);
        commitPending();
        for (unsigned i = 0; i < 6; ++i) {
            const Card& card = *game.board.faces[i]->layers[0].cards[0];
            EXPECT_EQ(game.board.faces[i].get(), original[c.cameFrom[i]]);
            EXPECT_EQ(card.value, c.cameFrom[i]);
            EXPECT_EQ(card.face, i);
        }
    }
}

TEST_F(CubeTurning, TwoRightTurnsBringTheBackForwardFourRestore) {
    wholeTurn(TurnRight);
    game.cloud.particles.resize(10);
    wholeTurn(TurnRight);  // the second start commits the first and clears the dust
    EXPECT_TRUE(game.cloud.particles.empty());
    commitPending();
    EXPECT_EQ(game.board.faces[0].get(), original[2]);
    wholeTurn(TurnRight);
    wholeTurn(TurnRight);
    commitPending();
    for (unsigned i = 0; i < 6; ++i) EXPECT_EQ(game.board.faces[i].get(), original[i]);
}

// Up and down settle on the horizontal cursor tilt, left and right on the vertical.
TEST_F(CubeTurning, SettlingCarriesTheCrossAxisCursorTilt) {
    const struct {
        Point cursor;
        int axis;
        uint8_t direction;
        double sign;
    } cases[] = {{{100, 384}, 1, TurnUp, -1},
                 {{100, 384}, 1, TurnDown, 1},
                 {{512, 700}, 0, TurnRight, -1},
                 {{512, 700}, 0, TurnLeft, 1}};
    for (const auto& c : cases) {
        system.cursor = c.cursor;
        const double tilt = tiltFromCursor(game, c.axis);
        ASSERT_NE(tilt, 0.0);
        game.turn.turnFinished = false;
        wholeTurn(c.direction);
        EXPECT_DOUBLE_EQ(game.input.tiltZ, c.sign * tilt) << int(c.direction);
    }
}

}  // namespace
}  // namespace pelmora

#include "view/turn.h"

#include <gtest/gtest.h>

#include "frame/game.h"
#include "support/fake_renderer.h"
#include "support/fake_system.h"

namespace pelmora {
namespace {

class CubeTurning : public ::testing::Test {
protected:
    FakeSystem system;
    FakeRenderer renderer;
    Game game{system, renderer};

    void SetUp() override { freshBoard(); }
    // Each face holds one card whose value names the face it started as.
    void freshBoard() {
        game.turn = CubeTurn{};
        for (uint8_t i = 0; i < 6; ++i) game.board.faces[i]->deal(DealSequence(1, i), i);
    }
    // The value of the card on each face, front first; each card must carry
    // the number of the face it lies on.
    std::vector<uint32_t> order() const {
        std::vector<uint32_t> values;
        for (const auto& face : game.board.faces) values.push_back(face->layers[0].cards[0]->value);
        for (uint8_t i = 0; i < 6; ++i) EXPECT_EQ(game.board.faces[i]->layers[0].cards[0]->face, i);
        return values;
    }
    // A whole turn, then the commit the next mouse move makes.
    void turnAndCommit(uint8_t direction) {
        startTurn(game, direction);
        for (int frame = 0; frame < 70; ++frame) stepTurnAnimation(game);
        ASSERT_TRUE(game.turn.turnFinished);
        game.turn.turnFinished = false;
        commitTurn(game);
    }
};

// From the dead zone: one flip cue, x track 0, 90/59, ... by repeated addition
// and exactly 90 at the end (fillLinear's own end, not the sum), the wait
// cursor to the end of the settling, other turns refused, no renaming yet.
TEST_F(CubeTurning, UpTurnFromTheDeadZone) {
    system.ticks = 555000;
    system.cursorShapes = {CursorShape::Arrow};
    startTurn(game, TurnUp);
    double expected = 0.0;
    for (int frame = 1; frame <= 70; ++frame) {
        if (frame == 30 || frame == 65) startTurn(game, frame == 30 ? TurnUp : TurnLeft);
        stepTurnAnimation(game);
        if (frame > 1 && frame <= 60) expected = frame == 60 ? 90.0 : expected + 90.0 / 59;
        ASSERT_EQ(std::pair(game.input.tiltX, game.input.tiltY), std::pair(expected, 0.0)) << frame;
        ASSERT_EQ(system.cursorShapes.back(), frame < 70 ? CursorShape::Wait : CursorShape::Arrow) << frame;
    }
    EXPECT_EQ(system.cues, std::vector<std::string>{"sounds\\flip.wav"});
    EXPECT_EQ(game.gate.lastAction, 555000u);
    EXPECT_TRUE(game.turn.turnFinished && game.input.tiltZ == 0.0 && order()[0] == 0) << game.input.tiltZ;
}

// Up and down settle on the horizontal cursor tilt, left and right on the
// vertical; faces take their new places and numbers.
TEST_F(CubeTurning, EachDirectionSettlesCommitsItsCycleAndRenumbers) {
    const struct { uint8_t direction; std::vector<uint32_t> order; int axis; double sign; } cases[] = {
        {TurnUp, {4, 1, 5, 3, 2, 0}, 1, -1}, {TurnDown, {5, 1, 4, 3, 0, 2}, 1, 1},
        {TurnRight, {1, 2, 3, 0, 4, 5}, 0, -1}, {TurnLeft, {3, 0, 1, 2, 4, 5}, 0, 1}};
    system.cursor = {100, 700};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.direction));
        freshBoard();
        turnAndCommit(c.direction);
        EXPECT_DOUBLE_EQ(game.input.tiltZ, c.sign * tiltFromCursor(game, c.axis));
        EXPECT_EQ(order(), c.order);
    }
}

TEST_F(CubeTurning, TwoRightTurnsBringTheBackForwardFourRestore) {
    startTurn(game, TurnRight);
    for (int frame = 0; frame < 70; ++frame) stepTurnAnimation(game);
    turnAndCommit(TurnRight);  // its start commits the first turn
    EXPECT_EQ(order()[0], 2u);
    turnAndCommit(TurnRight);
    turnAndCommit(TurnRight);
    EXPECT_EQ(order(), (std::vector<uint32_t>{0, 1, 2, 3, 4, 5}));
}

}  // namespace
}  // namespace pelmora

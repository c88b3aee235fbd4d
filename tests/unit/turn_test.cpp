#include "view/turn.h"

#include <gtest/gtest.h>

#include "board/board.h"
#include "platform/sound.h"
#include "platform/window.h"
#include "play/drop.h"
#include "support/fake_system.h"
#include "values/action_gate.h"
#include "view/tilt.h"

namespace pelmora {
namespace {

class CubeTurning : public ::testing::Test {
protected:
    FakeSystem system;
    CuePlayer cues{system};
    CubeTurn turn;
    InputState input;
    Board board;
    ParticleCloud cloud;
    ActionGate gate;
    AppWindow window{system};
    TurnContext context{turn, input, board, cloud, gate, cues, system, window};

    void SetUp() override { freshBoard(); }
    // Each face holds one card whose value names the face it started as.
    void freshBoard() {
        turn = CubeTurn{};
        for (uint8_t i = 0; i < 6; ++i) board.faces[i]->deal(DealSequence(1, i), i);
    }
    // The value of the card on each face, front first; each card must carry
    // the number of the face it lies on.
    std::vector<uint32_t> order() const {
        std::vector<uint32_t> values;
        for (const auto& face : board.faces) values.push_back(face->layers.at(0).cards.at(0)->value);
        for (uint8_t i = 0; i < 6; ++i) EXPECT_EQ(board.faces[i]->layers.at(0).cards.at(0)->face, i);
        return values;
    }
    // A whole turn, then the commit the next mouse move makes.
    void turnAndCommit(uint8_t direction) {
        startTurn(context, direction);
        for (int frame = 0; frame < 70; ++frame) stepTurnAnimation(context);
        ASSERT_TRUE(turn.turnFinished);
        turn.turnFinished = false;
        commitTurn(turn, board);
    }
};

// From the dead zone: one flip cue, x track 0, 90/59, ... by repeated addition
// and exactly 90 at the end (fillLinear's own end, not the sum), the wait
// cursor to the end of the settling, other turns refused, no renaming yet.
TEST_F(CubeTurning, UpTurnFromTheDeadZone) {
    system.ticks = 555000;
    system.cursorShapes = {CursorShape::Arrow};
    startTurn(context, TurnUp);
    double expected = 0.0;
    for (int frame = 1; frame <= 70; ++frame) {
        if (frame == 30 || frame == 65) startTurn(context, frame == 30 ? TurnUp : TurnLeft);
        stepTurnAnimation(context);
        if (frame > 1 && frame <= 60) expected = frame == 60 ? 90.0 : expected + 90.0 / 59;
        ASSERT_EQ(std::pair(input.tiltX, input.tiltY), std::pair(expected, 0.0)) << frame;
        ASSERT_EQ(system.cursorShapes.back(), frame < 70 ? CursorShape::Wait : CursorShape::Arrow) << frame;
    }
    EXPECT_EQ(system.cues, std::vector<std::string>{"sounds\\flip.wav"});
    EXPECT_EQ(gate.lastAction, 555000u);
    EXPECT_TRUE(turn.turnFinished && input.tiltZ == 0.0 && order()[0] == 0) << input.tiltZ;
}

// Up and down settle on the horizontal cursor tilt, left and right on the
// vertical; faces take their new places and numbers.
TEST_F(CubeTurning, EachDirectionSettlesCommitsItsCycleAndRenumbers) {
    // At (100, 700) the cursor leans the cube 4070/507 degrees on the
    // horizontal axis and -3110/379 on the vertical.
    const struct { uint8_t direction; std::vector<uint32_t> order; double tiltZ; uint8_t target; } cases[] = {
                 {TurnUp, {4, 1, 5, 3, 2, 0}, -4070.0 / 507, 4},
                 {TurnDown, {5, 1, 4, 3, 0, 2}, 4070.0 / 507, 5},
                 {TurnRight, {1, 2, 3, 0, 4, 5}, 3110.0 / 379, 1},
                 {TurnLeft, {3, 0, 1, 2, 4, 5}, -3110.0 / 379, 3}};
    system.cursor = {100, 700};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.direction));
        freshBoard();
        turnAndCommit(c.direction);
        EXPECT_DOUBLE_EQ(input.tiltZ, c.tiltZ);
        EXPECT_EQ(turn.targetFace, c.target);
        EXPECT_EQ(order(), c.order);
    }
}

TEST_F(CubeTurning, TwoRightTurnsBringTheBackForwardFourRestore) {
    startTurn(context, TurnRight);
    for (int frame = 0; frame < 70; ++frame) stepTurnAnimation(context);
    cloud.particles.resize(3);
    turnAndCommit(TurnRight);  // its start commits the first turn and clears the dust
    EXPECT_TRUE(cloud.particles.empty());
    EXPECT_EQ(order()[0], 2u);
    turnAndCommit(TurnRight);
    turnAndCommit(TurnRight);
    EXPECT_EQ(order(), (std::vector<uint32_t>{0, 1, 2, 3, 4, 5}));
}

}  // namespace
}  // namespace pelmora

#include "board/deal.h"
#include "play/selection.h"
#include "render/scene_fixture.h"
#include "view/picking.h"

namespace pelmora::rendertest {
namespace {

using GameScene = SceneTest;

const Place TopPlace = makePlace(7.5, 4.5);

TEST_F(GameScene, TopCardPictureWhereItsTileIs) {
    game.random.seed(4242);
    dealBoard(game.board, game.random);
    const Face& front = *game.board.faces[0];
    const Card* top = front.cardAt(TopPlace);
    const Card* left = front.cardAt(makePlace(1, 4.5));
    ASSERT_NE(top, nullptr);
    ASSERT_NE(left, nullptr);
    drawSceneFrame();
    EXPECT_EQ(tileCentre(TopPlace, 5), pictureColour(top->value));
    EXPECT_EQ(tileCentre(makePlace(1, 4.5), 1), pictureColour(left->value));
    // No card lies at (1, 1): the cloth shows.
    EXPECT_EQ(tileCentre(makePlace(1, 1), 1), ClothColour);
    gl.swap();
}

// With the cube leaning toward the cursor, the card under the cursor is the
// one the pick table names there.
TEST_F(GameScene, PickedCardIsTheOneUnderTheCursor) {
    game.random.seed(99);
    dealBoard(game.board, game.random);
    const Face& front = *game.board.faces[0];
    const Point cursors[] = {{280, 200}, {236, 390}, {784, 390}, {445, 465}, {698, 567}};
    for (const Point c : cursors) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        system.cursor = c;
        updateCursorTilt(game);
        drawSceneFrame();
        const Card* card = front.cardAt(pickPlace(front, c.x, c.y));
        ASSERT_NE(card, nullptr);
        EXPECT_EQ(gl.pixelAt(c.x, c.y), pictureColour(card->value));
        gl.swap();
    }
}

TEST_F(GameScene, SelectedCardHighlightedAndItsCornerInTheStrip) {
    Card* top = placeCard(0, 30, TopPlace, 5);
    Card* other = placeCard(0, 41, makePlace(2, 1), 1);
    top->selected = true;
    game.selection.cards.push_back(top);
    drawSceneFrame();
    EXPECT_EQ(tileCentre(TopPlace, 5), highlightColour(30));
    EXPECT_EQ(tileCentre(other->place, 1), pictureColour(41));
    EXPECT_EQ(hudCell(stripSlotLeft(0)), cornerColour(30));
    for (unsigned n = 1; n < 5; ++n) EXPECT_EQ(hudCell(stripSlotLeft(n)), SlotMarkerColour);
    gl.swap();
}

TEST_F(GameScene, ScoreAndClockDigitsOnTheBar) {
    game.score = {5, 4, 3, 2, 1};  // 12345
    game.clock.minutesUnits = 7;
    game.clock.countdownTens = 2;
    game.clock.countdownUnits = 9;
    drawSceneFrame();
    for (unsigned k = 0; k < 5; ++k) EXPECT_EQ(hudCell(scoreGlyphLeft(k)), glyphColour(5 - k));
    EXPECT_EQ(hudCell(clockGlyphLeft(3)), glyphColour(7));
    EXPECT_EQ(hudCell(clockGlyphLeft(6)), glyphColour(2));
    EXPECT_EQ(hudCell(clockGlyphLeft(7)), glyphColour(9));
    EXPECT_EQ(hudCell(0.64), HudBarColour);  // between countdown and score
    gl.swap();
}

// Counts the pixels of a screen box that show the given colours.
int countColour(GlSession& gl, testmath::ScreenPoint a, testmath::ScreenPoint b, Rgb c1, Rgb c2) {
    int n = 0;
    for (int y = int(std::min(a.y, b.y)) - 8; y <= int(std::max(a.y, b.y)) + 8; ++y)
        for (int x = int(std::min(a.x, b.x)) - 8; x <= int(std::max(a.x, b.x)) + 8; ++x) {
            const Rgb p = gl.pixelAt(x, y);
            if (p == c1 || p == c2) ++n;
        }
    return n;
}

TEST_F(GameScene, DustOfADroppedCardFadesWithin61Frames) {
    Card* card = placeCard(0, 12, makePlace(2, 1), 1);
    const TileBox box = tileBox(card->place, card->level);
    spawnCardParticles(game, *card);
    ASSERT_EQ(game.cloud.particles.size(), 1728u);
    game.board.faces[0]->layers[0].cards.clear();
    drawSceneFrame();
    const auto a = onScreen({box.x0, box.y0, box.z}), b = onScreen({box.x1, box.y1, box.z});
    EXPECT_GT(countColour(gl, a, b, pictureColour(12), cornerColour(12)), 100);
    gl.swap();
    for (int frame = 2; frame <= 61; ++frame) {
        drawSceneFrame();
        gl.swap();
    }
    EXPECT_TRUE(game.cloud.particles.empty());
    drawSceneFrame();
    EXPECT_EQ(countColour(gl, a, b, pictureColour(12), cornerColour(12)), 0);
    gl.swap();
}

TEST_F(GameScene, AfterAnUpTurnTheTopFaceIsInFront) {
    placeCard(0, 3, TopPlace, 5);
    placeCard(4, 44, TopPlace, 5);
    drawSceneFrame();
    EXPECT_EQ(tileCentre(TopPlace, 5), pictureColour(3));
    gl.swap();
    startTurn(game, TurnUp);
    for (int frame = 1; frame <= 70; ++frame) {
        drawSceneFrame();
        if (frame < 70) gl.swap();
    }
    EXPECT_FALSE(game.turn.turnRunning);
    EXPECT_EQ(game.input.tiltX, 90.0);
    EXPECT_EQ(gl.pixelAt(512, 384), pictureColour(44));
    gl.swap();
    // The commit renames the faces; drawn untilted, the same card shows.
    game.turn.turnFinished = false;
    commitTurn(game);
    updateCursorTilt(game);
    drawSceneFrame();
    EXPECT_EQ(tileCentre(TopPlace, 5), pictureColour(44));
    gl.swap();
}

}  // namespace
}  // namespace pelmora::rendertest

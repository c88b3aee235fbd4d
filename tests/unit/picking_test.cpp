#include "view/picking.h"

#include <gtest/gtest.h>

#include "board/deal.h"
#include "frame/game.h"
#include "support/fake_renderer.h"
#include "support/fake_system.h"
#include "support/scene_math.h"
#include "view/geometry.h"

namespace pelmora {
namespace {

class Picking : public ::testing::Test {
protected:
    FakeSystem system;
    FakeRenderer renderer;
    Game game{system, renderer};
    void SetUp() override {
        game.random.seed(12345);
        dealBoard(game.board, game.random);
    }
    Face& front() { return *game.board.faces[0]; }
    Place pick(int32_t x, int32_t y) { return pickPlace(front(), x, y); }
};

TEST_F(Picking, DesignExamples) {
    EXPECT_EQ(pick(500, 390), makePlace(7.5, 4.5));
    EXPECT_EQ(pick(520, 385), makePlace(7.5, 4.5));
    EXPECT_EQ(pick(230, 400), makePlace(1, 4.5));
    EXPECT_EQ(pick(215, 400), makePlace(1, 5));  // the half row starts at 216
    EXPECT_EQ(pick(800, 300), makePlace(14, 3));
    EXPECT_EQ(front().cardAt(makePlace(14, 3)), nullptr);
    EXPECT_EQ(pick(300, 100), makePlace(0, 0));
    EXPECT_EQ(pick(301, 200), makePlace(0, 1));  // between columns 2 and 3
    EXPECT_EQ(pick(820, 419), makePlace(15, 4.5));
    EXPECT_EQ(pick(600, 410), makePlace(10, 5));  // half-row band, off its targets
    // Stacked cards: the highest level at the place wins.
    EXPECT_EQ(front().cardAt(pick(400, 250))->level, 2);

    front().layers[4].cards.clear();  // the top card has been dropped
    EXPECT_EQ(pick(500, 390), makePlace(7, 5));
    EXPECT_EQ(front().cardAt(makePlace(7, 5))->level, 4);
    EXPECT_EQ(pick(520, 385), makePlace(0, 0));  // 384..387 lies between rows
}

TEST_F(Picking, FarOffCursorsAndFacesWithoutLayersAreSafe) {
    EXPECT_EQ(pick(INT32_MIN, INT32_MIN), makePlace(0, 0));
    EXPECT_EQ(pick(INT32_MAX, INT32_MAX), makePlace(0, 0));
    EXPECT_EQ(pick(INT32_MIN, 400), makePlace(0, 5));
    EXPECT_EQ(pick(500, -390), makePlace(0, 0));
    Face partial;
    partial.layers.resize(3);
    EXPECT_EQ(pickPlace(Face{}, 500, 390), makePlace(7, 5));
    EXPECT_EQ(pickPlace(partial, 500, 390), makePlace(7, 5));
}

// The table against the scene as drawn: the cube leaning toward the cursor,
// 45 degree perspective at 1024 x 768, eye 24 units away.
struct Span {
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    bool holds(double x, double y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

class PickingAgainstDrawing : public Picking {
protected:
    Span tileOnScreen(Place place, uint8_t level, int32_t x, int32_t y) {
        system.cursor = {x, y};
        const auto view = testmath::cubeModelView(tiltFromCursor(game, 0), tiltFromCursor(game, 1));
        const TileBox b = tileBox(place, level);
        Span s;
        for (double cx : {b.x0, b.x1})
            for (double cy : {b.y0, b.y1}) {
                const auto p = testmath::toCursor(view, {cx, cy, b.z});
                s = {std::min(s.left, p.x), std::max(s.right, p.x), std::min(s.top, p.y),
                     std::max(s.bottom, p.y)};
            }
        return s;
    }
};

int32_t mid(int32_t low, int32_t high) { return (low + high) / 2; }

// The middle of the pick range of a place, from the table.
Point pickCentre(Place p) {
    static const int32_t rows[8][2] = {{174, 225}, {230, 279}, {282, 331}, {334, 383},
                                       {388, 438}, {440, 490}, {493, 542}, {544, 591}};
    static const int32_t cols[15][2] = {{215, 257}, {260, 300}, {303, 342}, {346, 384},
                                        {385, 424}, {426, 465}, {468, 508}, {512, 553},
                                        {555, 595}, {597, 636}, {637, 675}, {678, 718},
                                        {721, 761}, {764, 804}, {807, 849}};
    if (p == makePlace(7.5, 4.5)) return {mid(489, 531), mid(358, 412)};
    if (p.y == 4.5) return {p.x == 1 ? mid(216, 257) : mid(cols[int(p.x) - 1][0], cols[int(p.x) - 1][1]), mid(360, 420)};
    const auto& c = cols[int(p.x) - 1];
    const auto& r = rows[int(p.y) - 1];
    return {mid(c[0], c[1]), mid(r[0], r[1])};
}

TEST_F(PickingAgainstDrawing, DesignExamplesOfTheLeaningCube) {
    const Span column2 = tileOnScreen(makePlace(2, 4), 1, 280, 384);
    EXPECT_NEAR(column2.left, 256, 1.0);
    EXPECT_NEAR(column2.right, 305, 1.0);
    const Span row1 = tileOnScreen(makePlace(7, 1), 1, 512, 200);
    EXPECT_NEAR(row1.top, 169, 1.0);
    EXPECT_NEAR(row1.bottom, 236, 1.0);
}

// Every place of every layer: the middle of its pick range picks that place
// and lies on its tile as drawn with the cursor there.
TEST_F(PickingAgainstDrawing, EveryPickCentreLandsOnItsTile) {
    unsigned checked = 0;
    for (const Layer& layer : front().layers)
        for (const auto& card : layer.cards) {
            const Point c = pickCentre(card->place);
            const Span s = tileOnScreen(card->place, card->level, c.x, c.y);
            EXPECT_EQ(pick(c.x, c.y), card->place);
            EXPECT_TRUE(s.holds(c.x, c.y))
                << "level " << int(card->level) << " place (" << card->place.x << ", "
                << card->place.y << ") cursor (" << c.x << ", " << c.y << ") tile x " << s.left
                << ".." << s.right << " y " << s.top << ".." << s.bottom;
            ++checked;
        }
    EXPECT_EQ(checked, 144u);
}

}  // namespace
}  // namespace pelmora

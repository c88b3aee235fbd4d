#include "view/geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "play/selection.h"

namespace pelmora {
namespace {

TEST(TileGeometry, TopCardAndHalfRowTile) {
    const TileBox top = tileBox(makePlace(7.5, 4.5), 5), left = tileBox(makePlace(1, 4.5), 1);
    const double got[] = {top.x0, top.x1, top.y0, top.y1, top.z, left.x0, left.y0, left.z};
    const double want[] = {-0.375, 0.325, -0.5, 0.45, 12.0, -5.25, -0.5, 10.4};
    for (int i = 0; i < 8; ++i) EXPECT_DOUBLE_EQ(got[i], want[i]) << i;
}

// A cell covers x0..x0 + w, y0..y0 + w and shows the atlas region the right way up.
void expectCell(const Quad& q, const AtlasRect& r, double x0, double y0 = GlyphCellBottom, double w = 0.05) {
    for (const TexturedVertex& v : q) {
        const bool left = std::abs(v.pos.x - x0) < 1e-12, top = std::abs(v.pos.y - y0 - w) < 1e-12;
        EXPECT_TRUE(left || std::abs(v.pos.x - x0 - w) < 1e-12) << v.pos.x;
        EXPECT_TRUE(top || v.pos.y == y0) << v.pos.y;
        EXPECT_DOUBLE_EQ(v.tex.u, atlasUnit(left ? r.left : r.right));
        EXPECT_DOUBLE_EQ(v.tex.v, atlasUnit(top ? r.top : r.bottom));
    }
}

// The score right-aligned and growing left, the hand strip oldest first, the
// menu's top score from the left corner.
TEST(GlyphGeometry, ScoreStripAndMenuDigits) {
    const auto zero = scoreGlyphQuads(ScoreDigits{0}), big = scoreGlyphQuads(ScoreDigits{5, 4, 3, 2, 1});
    ASSERT_EQ(std::make_pair(zero.size(), big.size()), std::make_pair(size_t{1}, size_t{5}));
    expectCell(zero[0], glyphRect(0), 1.025);
    for (unsigned k = 0; k < 5; ++k) expectCell(big[k], glyphRect(5 - k), 1.025 - 0.075 * k);

    Card cards[3];
    Selection selection;
    for (uint32_t i = 0; i < 3; ++i) {
        cards[i].value = i * 25 + 1;
        selection.cards.push_back(&cards[i]);
    }
    const auto slots = handStripQuads(selection);
    for (unsigned n = 0; n < 5; ++n)
        expectCell(slots[n], n < 3 ? cardCornerRect(cards[n].value) : SlotMarker, 0.075 * n - 1.075);

    const auto menuZero = menuScoreQuads(ScoreDigits{0}), menu = menuScoreQuads(ScoreDigits{4, 3, 2, 1});
    ASSERT_EQ(std::make_pair(menuZero.size(), menu.size()), std::make_pair(size_t{1}, size_t{4}));
    expectCell(menuZero[0], glyphRect(0), 0, 0, 20);
    for (unsigned k = 0; k < 4; ++k) expectCell(menu[k], glyphRect(k + 1), 20.0 * k, 0, 20);
}

// Only the digits that reach into the window are drawn: the low ones of the
// score bar up to its left edge, the high ones of the menu up to its right.
TEST(GlyphGeometry, LongScoresStopAtTheWindowEdge) {
    ScoreDigits score(90);
    for (size_t k = 0; k < score.size(); ++k) score[k] = uint32_t(k % 10);
    const auto bar = scoreGlyphQuads(score);
    const auto menu = menuScoreQuads(score);
    ASSERT_EQ(std::make_pair(bar.size(), menu.size()), std::make_pair(size_t{30}, size_t{52}));
    expectCell(bar[29], glyphRect(9), 1.025 - 0.075 * 29);
    EXPECT_GT(bar[29].front().pos.x + GlyphCellWidth, -1.1046);  // the bar's visible left edge
    expectCell(menu[0], glyphRect(9), 0, 0, 20);
    expectCell(menu[51], glyphRect(8), 1020, 0, 20);
}

}  // namespace
}  // namespace pelmora

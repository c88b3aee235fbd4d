#include "view/geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pelmora {
namespace {

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

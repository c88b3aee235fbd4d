#include "view/geometry.h"

#include <gtest/gtest.h>

#include "play/selection.h"
#include "support/scene_math.h"

namespace pelmora {
namespace {

constexpr double px(int atlasPixels) { return atlasPixels / 1024.0; }

struct Extent {
    double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
};
Extent extentOf(const Quad& q) {
    Extent e;
    for (const auto& v : q) {
        e.x0 = std::min(e.x0, v.pos.x), e.x1 = std::max(e.x1, v.pos.x);
        e.y0 = std::min(e.y0, v.pos.y), e.y1 = std::max(e.y1, v.pos.y);
    }
    return e;
}
// The texture coordinates at the top-left and bottom-right corners.
std::pair<TexCoord, TexCoord> texCorners(const Quad& q) {
    const Extent e = extentOf(q);
    TexCoord tl, br;
    for (const auto& v : q) {
        if (v.pos.x == e.x0 && v.pos.y == e.y1) tl = v.tex;
        if (v.pos.x == e.x1 && v.pos.y == e.y0) br = v.tex;
    }
    return {tl, br};
}

TEST(TileGeometry, DesignExamplesAndTheHighlightedPicture) {
    const TileBox top = tileBox(makePlace(7.5, 4.5), 5);
    EXPECT_DOUBLE_EQ(top.x0, -0.375);
    EXPECT_DOUBLE_EQ(top.x1, 0.325);
    EXPECT_DOUBLE_EQ(top.y0, -0.5);
    EXPECT_DOUBLE_EQ(top.y1, 0.45);
    EXPECT_DOUBLE_EQ(top.z, 12.0);
    const TileBox left = tileBox(makePlace(1, 4.5), 1);
    EXPECT_DOUBLE_EQ(left.x0, -5.25);
    EXPECT_DOUBLE_EQ(left.y0, -0.5);
    EXPECT_DOUBLE_EQ(left.z, 10.4);

    Card card;
    card.value = 51;
    card.place = makePlace(7.5, 4.5);
    card.level = 5;
    card.selected = true;  // the copy 380 atlas pixels lower
    const auto [tl, br] = texCorners(cardTileQuads(card)[0]);
    EXPECT_DOUBLE_EQ(tl.u, px(840));
    EXPECT_DOUBLE_EQ(tl.v, px(359));
    EXPECT_DOUBLE_EQ(br.u, px(911));
    EXPECT_DOUBLE_EQ(br.v, px(263));
}

void expectCell(const Quad& q, double x0, double x1, TexCoord tl, TexCoord br) {
    const Extent e = extentOf(q);
    EXPECT_NEAR(e.x0, x0, 1e-12);
    EXPECT_NEAR(e.x1, x1, 1e-12);
    const auto [t, b] = texCorners(q);
    EXPECT_DOUBLE_EQ(t.u, tl.u);
    EXPECT_DOUBLE_EQ(t.v, tl.v);
    EXPECT_DOUBLE_EQ(b.u, br.u);
    EXPECT_DOUBLE_EQ(b.v, br.v);
}

TexCoord glyphTop(int left) { return {px(left), px(56)}; }
TexCoord glyphBottom(int left) { return {px(left + 31), px(10)}; }

TEST(HudGeometry, ScoreIsRightAlignedAndGrowsLeft) {
    const auto zero = scoreGlyphQuads(ScoreDigits{0});
    ASSERT_EQ(zero.size(), 1u);
    expectCell(zero[0], 1.025, 1.075, glyphTop(596), glyphBottom(596));
    const auto big = scoreGlyphQuads(ScoreDigits{5, 4, 3, 2, 1});  // 12345
    ASSERT_EQ(big.size(), 5u);
    expectCell(big[0], 1.025, 1.075, glyphTop(803), glyphBottom(803));
    expectCell(big[4], 0.725, 0.775, glyphTop(632), glyphBottom(632));
    for (const auto& v : big[2]) EXPECT_DOUBLE_EQ(v.pos.z, 22.0);
}

TEST(HudGeometry, HandStripShowsCornersOldestFirstThenMarkers) {
    Card cards[3];
    const uint32_t values[3] = {0, 13, 51};
    Selection selection;
    for (int i = 0; i < 3; ++i) {
        cards[i].value = values[i];
        selection.cards.push_back(&cards[i]);
    }
    const auto slots = handStripQuads(selection);
    const int lefts[3] = {3, 3, 843}, tops[3] = {1020, 925, 735};
    for (unsigned n = 0; n < 5; ++n) {
        const double x0 = 0.075 * n - 1.075;
        if (n < 3)
            expectCell(slots[n], x0, x0 + 0.05, {px(lefts[n]), px(tops[n])},
                       {px(lefts[n] + 13), px(tops[n] - 24)});
        else
            expectCell(slots[n], x0, x0 + 0.05, {px(146), px(195)}, {px(166), px(175)});
    }
}

TEST(MenuGeometry, TopScoreDigitsFromTheLeftCorner) {
    const auto zero = menuScoreQuads(ScoreDigits{0});
    ASSERT_EQ(zero.size(), 1u);
    expectCell(zero[0], 0, 20, glyphTop(596), glyphBottom(596));
    EXPECT_EQ(extentOf(zero[0]).y0, 0.0);
    EXPECT_EQ(extentOf(zero[0]).y1, 20.0);
    const auto quads = menuScoreQuads(ScoreDigits{4, 3, 2, 1});  // 1234
    ASSERT_EQ(quads.size(), 4u);
    const int lefts[4] = {632, 668, 713, 758};
    for (unsigned k = 0; k < 4; ++k)
        expectCell(quads[k], 20.0 * k, 20.0 * k + 20, glyphTop(lefts[k]), glyphBottom(lefts[k]));
}

// Where each face's centre and its own up direction end in the cube's frame.
TEST(FacePlacement, FacesLandOnTheirSides) {
    using namespace testmath;
    const Vec3 sides[6] = {{0, 0, 1}, {1, 0, 0}, {0, 0, -1}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}};
    const Vec3 ups[6] = {{0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}};
    Mat4 running = Mat4::identity();
    for (unsigned i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        const auto centre = running.apply({0, 0, 10});
        const auto up = running.apply({0, 1, 10});
        const double want[6] = {10 * sides[i].x, 10 * sides[i].y, 10 * sides[i].z,
                                ups[i].x,        ups[i].y,        ups[i].z};
        for (size_t a = 0; a < 3; ++a) {
            EXPECT_NEAR(centre[a], want[a], 1e-9);
            EXPECT_NEAR(up[a] - centre[a], want[a + 3], 1e-9);
        }
        for (const Rotation& r : placementAfterFace(i)) running = running * rotation(r);
    }
}

}  // namespace
}  // namespace pelmora

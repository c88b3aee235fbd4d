#include <gtest/gtest.h>

#include "board/board.h"
#include "view/atlas.h"

namespace pelmora {
namespace {

Card cardOf(uint32_t value) {
    Card c;
    c.value = value;
    return c;
}

void expectCoord(TexCoord t, double u, double v) {
    EXPECT_DOUBLE_EQ(t.u, u);
    EXPECT_DOUBLE_EQ(t.v, v);
}

TEST(CardTexCoord, CornersOfKnownPictures) {
    expectCoord(cardTexCoord(cardOf(0)), 0.0, 0.90625);
    expectCoord(cardTexCoord(cardOf(12)), 0.8203125, 0.90625);
    expectCoord(cardTexCoord(cardOf(13)), 0.0, 0.8134765625);
    expectCoord(cardTexCoord(cardOf(26)), 0.0, 0.720703125);
    expectCoord(cardTexCoord(cardOf(51)), 0.8203125, 0.6279296875);
    expectCoord(cardTexCoordTopRight(cardOf(0)), 0.0693359375, 1.0);
    expectCoord(cardTexCoordTopLeft(cardOf(51)), 0.8203125, 0.6279296875 + 0.09375);
    expectCoord(cardTexCoordBottomRight(cardOf(51)), 0.8203125 + 0.0693359375, 0.6279296875);
}

TEST(CardPictureRect, GridSharesOneTexelAndStaysInsideTheAtlas) {
    for (uint32_t value = 0; value < 52; ++value) {
        const AtlasRect r = cardPictureRect(value);
        EXPECT_EQ(r.right - r.left, 71) << value;
        EXPECT_EQ(r.top - r.bottom, 96) << value;
        EXPECT_GE(r.left, 0);
        EXPECT_LE(r.right, AtlasSize);
        EXPECT_LE(r.top, AtlasSize);
        if (value % 13 != 12) {
            EXPECT_EQ(cardPictureRect(value + 1).left, r.right - 1) << value;
        }
        if (value + 13 < 52) {
            EXPECT_EQ(cardPictureRect(value + 13).top, r.bottom + 1) << value;
        }
        // The texture coordinate is the same corner, as a fraction of the grid.
        expectCoord(cardTexCoord(cardOf(value)), r.left / 1024.0, r.bottom / 1024.0);
    }
}

TEST(CardPictureRect, HighlightAndCornerFollowThePicture) {
    for (uint32_t value : {0u, 25u, 51u}) {
        const AtlasRect p = cardPictureRect(value);
        const AtlasRect s = selectedPictureRect(value);
        EXPECT_EQ(s.left, p.left);
        EXPECT_EQ(s.right, p.right);
        EXPECT_EQ(s.bottom, p.bottom - 380);
        EXPECT_EQ(s.top, p.top - 380);
        const AtlasRect c = cardCornerRect(value);
        EXPECT_EQ(c.left, p.left + 3);
        EXPECT_EQ(c.right, p.left + 16);
        EXPECT_EQ(c.bottom, p.top - 28);
        EXPECT_EQ(c.top, p.top - 4);
    }
    EXPECT_EQ(selectedPictureRect(0).bottom, 548);
    EXPECT_EQ(selectedPictureRect(51).bottom, 263);
    // The highlighted copies stay clear of the strips, bar and glyphs below.
    EXPECT_GT(selectedPictureRect(51).bottom, HudBar.top);
}

TEST(CardPictureRect, ValuesPastTheDeckStayInsideTheTables) {
    const AtlasRect r = cardPictureRect(52 + 14);
    EXPECT_EQ(r.left, cardPictureRect(14).left);
    EXPECT_EQ(r.bottom, cardPictureRect(14).bottom);
    EXPECT_LE(cardPictureRect(0xFFFFFFFFu).top, AtlasSize);
}

TEST(DigitTexCoord, GlyphsAndFallback) {
    const double lefts[10] = {0.58203125, 0.6171875,  0.65234375, 0.6962890625, 0.740234375,
                              0.7841796875, 0.828125, 0.8720703125, 0.916015625, 0.9599609375};
    for (uint32_t d = 0; d < 10; ++d) expectCoord(digitTexCoord(d), lefts[d], 0.0546875);
    for (uint32_t d : {10u, 11u, 1000u, 0x80000000u, 0xFFFFFFFFu}) {
        expectCoord(digitTexCoord(d), 0.453125, 0.0546875);
    }
    const AtlasRect nine = glyphRect(9);
    EXPECT_EQ(nine.right, 1014);
    EXPECT_EQ(nine.bottom, 10);
    EXPECT_EQ(nine.top, 56);
    EXPECT_EQ(glyphRect(10).left, 464);
    EXPECT_EQ(glyphRect(10).right, 495);
}

TEST(AtlasStrips, CornerConstantsAsTextureCoordinates) {
    EXPECT_DOUBLE_EQ(atlasUnit(CardSideStrip.right), 0.0341796875);
    EXPECT_DOUBLE_EQ(atlasUnit(CardSideStrip.top), 0.09375);
    EXPECT_DOUBLE_EQ(atlasUnit(CardEndStrip.left), 0.03515625);
    EXPECT_DOUBLE_EQ(atlasUnit(CardEndStrip.right), 0.1044921875);
    EXPECT_DOUBLE_EQ(atlasUnit(CardEndStrip.top), 0.025390625);
    EXPECT_DOUBLE_EQ(atlasUnit(HudBar.bottom), 0.09375);
    EXPECT_DOUBLE_EQ(atlasUnit(HudBar.top), 0.1640625);
    EXPECT_DOUBLE_EQ(atlasUnit(GlyphBottom), 0.009765625);
    EXPECT_DOUBLE_EQ(atlasUnit(GlyphWidth), 0.0302734375);
}

}  // namespace
}  // namespace pelmora

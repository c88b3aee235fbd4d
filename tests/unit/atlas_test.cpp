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
    expectCoord(cardTexCoord(cardOf(51)), 0.8203125, 0.6279296875);
    expectCoord(cardTexCoordTopRight(cardOf(0)), 0.0693359375, 1.0);
    expectCoord(cardTexCoordTopLeft(cardOf(51)), 0.8203125, 0.6279296875 + 0.09375);
    expectCoord(cardTexCoordBottomRight(cardOf(51)), 0.8203125 + 0.0693359375, 0.6279296875);
}

// Pictures are 71 x 96 on a pitch of 70 x 95: neighbours share one texel.
TEST(CardPictureRect, GridSharesOneTexelAndStaysInsideTheAtlas) {
    for (uint32_t value = 0; value < 52; ++value) {
        const AtlasRect r = cardPictureRect(value);
        EXPECT_EQ(r.right - r.left, 71);
        EXPECT_EQ(r.top - r.bottom, 96);
        EXPECT_TRUE(r.left >= 0 && r.right <= AtlasSize && r.top <= AtlasSize) << value;
        if (value % 13 != 12) {
            EXPECT_EQ(cardPictureRect(value + 1).left, r.right - 1) << value;
        }
        if (value + 13 < 52) {
            EXPECT_EQ(cardPictureRect(value + 13).top, r.bottom + 1) << value;
        }
        const AtlasRect s = selectedPictureRect(value);
        EXPECT_TRUE(s.left == r.left && s.bottom == r.bottom - 380 && s.top == r.top - 380);
        const AtlasRect c = cardCornerRect(value);
        EXPECT_TRUE(c.left == r.left + 3 && c.right == r.left + 16 && c.bottom == r.top - 28 &&
                    c.top == r.top - 4);
        expectCoord(cardTexCoord(cardOf(value)), r.left / 1024.0, r.bottom / 1024.0);
    }
    // The highlighted copies stay clear of the bar and glyphs below them.
    EXPECT_GT(selectedPictureRect(51).bottom, HudBar.top);
}

TEST(CardPictureRect, ValuesPastTheDeckStayInsideTheTables) {
    EXPECT_EQ(cardPictureRect(52 + 14).bottom, cardPictureRect(14).bottom);
    EXPECT_LE(cardPictureRect(0xFFFFFFFFu).top, AtlasSize);
}

TEST(DigitTexCoord, GlyphsAndFallbackByUnsignedCompare) {
    const double lefts[10] = {0.58203125, 0.6171875,  0.65234375, 0.6962890625, 0.740234375,
                              0.7841796875, 0.828125, 0.8720703125, 0.916015625, 0.9599609375};
    for (uint32_t d = 0; d < 10; ++d) expectCoord(digitTexCoord(d), lefts[d], 0.0546875);
    for (uint32_t d : {10u, 11u, 0x80000000u, 0xFFFFFFFFu}) {
        expectCoord(digitTexCoord(d), 0.453125, 0.0546875);
    }
    const AtlasRect fallback = glyphRect(10);
    EXPECT_TRUE(fallback.left == 464 && fallback.right == 495 && fallback.bottom == 10 &&
                fallback.top == 56);
}

}  // namespace
}  // namespace pelmora

// The card atlas holds every picture where the game samples it.
#include <algorithm>

#include <gtest/gtest.h>

#include "assets/card_atlas.h"
#include "generated.h"
#include "view/atlas.h"
#include "view/geometry.h"

namespace assets_test {
namespace {

using pelmora::AtlasRect;

constexpr uint32_t Deck = 52;
const Colour Unused = {0x6E, 0x6A, 0x62};

const Picture& atlas() { return texture("CardTextureMap"); }

int countInk(const std::vector<Colour>& pixels, Colour paper, int threshold = 80) {
    return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), [&](Colour c) {
        return distance(c, paper) > threshold;
    }));
}

double meanDifference(const std::vector<Colour>& a, const std::vector<Colour>& b) {
    double sum = 0.0;
    for (size_t i = 0; i < a.size(); ++i) sum += distance(a[i], b[i]);
    return sum / static_cast<double>(a.size());
}

// Pixel (u, v) is the paper of the card picture around it.
Colour paperOf(const AtlasRect& r) { return atlas().at(r.left + 35, r.bottom + 4); }

TEST(CardAtlas, EveryPictureHoldsAFaceUnlikeAllOthers) {
    std::vector<std::vector<Colour>> faces;
    for (uint32_t value = 0; value < Deck; ++value) {
        const AtlasRect r = pelmora::cardPictureRect(value);
        faces.push_back(atlas().pixels(r));
        EXPECT_GT(countInk(faces.back(), paperOf(r)), 300) << "card " << value;
        EXPECT_GT(countInk(faces.back(), Unused, 8), static_cast<int>(faces.back().size()) / 2)
            << "card " << value << " is mostly unused grey";
    }
    for (uint32_t a = 0; a < Deck; ++a)
        for (uint32_t b = a + 1; b < Deck; ++b)
            EXPECT_GT(meanDifference(faces[a], faces[b]), 2.0) << "cards " << a << " and " << b;
}

TEST(CardAtlas, HighlightedCopyStandsOutFromItsCard) {
    for (uint32_t value = 0; value < Deck; ++value) {
        const auto plain = atlas().pixels(pelmora::cardPictureRect(value));
        const auto lit = atlas().pixels(pelmora::selectedPictureRect(value));
        EXPECT_GT(meanDifference(plain, lit), 25.0) << "card " << value;
    }
}

// The hand strip shows only the index corner, so it alone must name the card.
TEST(CardAtlas, CornerOfEveryCardHoldsItsIndex) {
    std::vector<std::vector<Colour>> corners;
    for (uint32_t value = 0; value < Deck; ++value) {
        const AtlasRect r = pelmora::cardCornerRect(value);
        corners.push_back(atlas().pixels(r));
        EXPECT_GT(countInk(corners.back(), paperOf(pelmora::cardPictureRect(value))), 25)
            << "card " << value;
    }
    for (uint32_t a = 0; a < Deck; ++a)
        for (uint32_t b = a + 1; b < Deck; ++b)
            EXPECT_GT(meanDifference(corners[a], corners[b]), 2.0) << "cards " << a << " and " << b;
}

// Neighbouring pictures share their outermost row or column, so every plain
// picture must keep one outline colour all round, the shared row with the
// highlighted spades below the clubs included.
TEST(CardAtlas, PlainPicturesKeepOneOutlineAllRound) {
    const Colour outline = atlas().at(0, pelmora::AtlasSize - 1);
    for (uint32_t value = 0; value < Deck; ++value) {
        const AtlasRect r = pelmora::cardPictureRect(value);
        for (int u = r.left; u < r.right; ++u) {
            ASSERT_LE(distance(atlas().at(u, r.bottom), outline), 2) << "card " << value << " u " << u;
            ASSERT_LE(distance(atlas().at(u, r.top - 1), outline), 2) << "card " << value << " u " << u;
        }
        for (int v = r.bottom; v < r.top; ++v) {
            ASSERT_LE(distance(atlas().at(r.left, v), outline), 2) << "card " << value << " v " << v;
            ASSERT_LE(distance(atlas().at(r.right - 1, v), outline), 2) << "card " << value << " v " << v;
        }
    }
}

// A selected card wears a warm, bright frame just inside its outline.
TEST(CardAtlas, HighlightedCopiesWearABrightFrame) {
    for (uint32_t value = 0; value < Deck; ++value) {
        const AtlasRect r = pelmora::selectedPictureRect(value);
        for (const Colour c : {atlas().at(r.left + 2, r.bottom + 40), atlas().at(r.right - 3, r.bottom + 40),
                               atlas().at(r.left + 30, r.bottom + 2)}) {
            EXPECT_GT(c.r, 200) << "card " << value;
            EXPECT_LT(c.b, 100) << "card " << value;
        }
    }
}

// At least two suit colours: the ink of a heart's index is not a spade's.
TEST(CardAtlas, SuitsAreInkedInDifferentColours) {
    auto inkOf = [](uint32_t value) {
        const AtlasRect r = pelmora::cardCornerRect(value);
        Colour darkest{255, 255, 255};
        for (const Colour& c : atlas().pixels(r))
            if (luminance(c) < luminance(darkest)) darkest = c;
        return darkest;
    };
    for (uint32_t rank = 0; rank < 13; ++rank) {
        EXPECT_GT(distance(inkOf(rank), inkOf(13 + rank)), 80) << "rank " << rank;
    }
}

TEST(CardAtlas, PicturesStayInsideTheirGrid) {
    int right = 0, bottom = pelmora::AtlasSize;
    for (uint32_t value = 0; value < Deck; ++value) {
        right = std::max(right, pelmora::cardPictureRect(value).right);
        bottom = std::min(bottom, pelmora::selectedPictureRect(value).bottom);
    }
    for (int v = bottom - 1; v < pelmora::AtlasSize; ++v)
        ASSERT_LE(distance(atlas().at(right, v), Unused), 2) << "u " << right << " v " << v;
    for (int u = 0; u <= right; ++u)
        ASSERT_LE(distance(atlas().at(u, bottom - 1), Unused), 2) << "u " << u << " v " << bottom - 1;
}

TEST(CardAtlas, GlyphsHoldDistinctLightInkOnDark) {
    std::vector<std::vector<Colour>> glyphs;
    for (uint32_t digit = 0; digit <= 10; ++digit) {
        const AtlasRect r = pelmora::glyphRect(digit);
        glyphs.push_back(atlas().pixels(r));
        const Colour cell = atlas().at(r.left + 1, r.bottom + 1);
        EXPECT_LT(luminance(cell), 60) << "glyph " << digit;
        EXPECT_GT(countInk(glyphs.back(), cell, 120), 40) << "glyph " << digit;
    }
    for (size_t a = 0; a < glyphs.size(); ++a)
        for (size_t b = a + 1; b < glyphs.size(); ++b)
            EXPECT_GT(meanDifference(glyphs[a], glyphs[b]), 3.0) << "glyphs " << a << " and " << b;
}

TEST(CardAtlas, EdgesAndSlotMarkerAreDrawn) {
    for (const AtlasRect& r : {pelmora::CardSideStrip, pelmora::CardEndStrip, pelmora::SlotMarker}) {
        const auto pixels = atlas().pixels(r);
        EXPECT_EQ(countInk(pixels, Unused, 8), static_cast<int>(pixels.size())) << r.left;
    }
}

// Where the scene draws a glyph or a hand slot, the bar is dark, so a cell
// never lands on a label or the bar's bright trim.
TEST(CardAtlas, ScoreBarIsDarkUnderEveryCell) {
    const pelmora::Quad bar = pelmora::displayListQuad(pelmora::ListHudBar, 1024, 768);
    const double x0 = bar[0].pos.x, y0 = bar[1].pos.y, x1 = bar[2].pos.x, y1 = bar[0].pos.y;
    auto u = [&](double x) { return static_cast<int>((x - x0) / (x1 - x0) * 1024.0); };
    auto v = [&](double y) {
        return pelmora::HudBar.bottom + static_cast<int>((y - y0) / (y1 - y0) * 72.0);
    };
    std::vector<double> lefts;
    for (unsigned k = 0; k < 8; ++k) lefts.push_back(pelmora::clockGlyphLeft(k));
    for (unsigned k = 0; k < 4; ++k) lefts.push_back(pelmora::scoreGlyphLeft(k));
    for (unsigned n = 0; n < pelmora::HandSlots; ++n) lefts.push_back(pelmora::stripSlotLeft(n));
    for (double left : lefts) {
        const AtlasRect cell = {u(left) + 1, u(left + pelmora::GlyphCellWidth) - 1,
                                v(pelmora::GlyphCellBottom) + 1, v(pelmora::GlyphCellTop) - 1};
        for (const Colour& c : atlas().pixels(cell)) ASSERT_LT(luminance(c), 50) << "cell at x " << left;
    }
    // The labels beside the cells are lit.
    const AtlasRect labels = {u(-0.7), u(-0.3), v(pelmora::GlyphCellBottom), v(pelmora::GlyphCellTop)};
    EXPECT_GT(countInk(atlas().pixels(labels), atlas().at(u(-0.5), v(-0.76)), 100), 100);
}

}  // namespace
}  // namespace assets_test

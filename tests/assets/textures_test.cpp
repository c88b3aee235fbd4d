// The four bitmaps load as the game loads them, and the menu pictures are drawn.
#include <gtest/gtest.h>

#include "generated.h"
#include "view/atlas.h"

namespace assets_test {
namespace {

using pelmora::AtlasRect;

TEST(Textures, AreTwentyFourBitWithPowerOfTwoSides) {
    const struct {
        const char* name;
        int size;
    } expected[] = {{"Menu", 1024}, {"SubMenuPlots", 1024}, {"CubeSurface", 512}, {"CardTextureMap", 1024}};
    for (const auto& e : expected) {
        const Picture& p = texture(e.name);
        EXPECT_EQ(p.bitsPerPixel, 24) << e.name;
        EXPECT_EQ(p.width, e.size) << e.name;
        EXPECT_EQ(p.height, e.size) << e.name;
    }
}

double meanDistance(const std::vector<Colour>& a, const std::vector<Colour>& b) {
    double sum = 0.0;
    for (size_t i = 0; i < a.size(); ++i) sum += distance(a[i], b[i]);
    return sum / static_cast<double>(a.size());
}

TEST(Textures, EveryMenuPanelIsDrawnAndUnlikeTheOthers) {
    const Picture& plots = texture("SubMenuPlots");
    const AtlasRect panels[] = {pelmora::PanelNewGame, pelmora::PanelQuit, pelmora::PanelPaused,
                                pelmora::PanelGameWon, pelmora::PanelGameOver};
    const Colour unused = plots.at(1000, 10);
    for (const AtlasRect& a : panels) {
        int drawn = 0;
        for (const Colour& c : plots.pixels(a)) drawn += distance(c, unused) > 10;
        EXPECT_GT(drawn, 382 * 264 * 9 / 10) << a.left << "," << a.bottom;
        for (const AtlasRect& b : panels) {
            if (&a < &b) {
                EXPECT_GT(meanDistance(plots.pixels(a), plots.pixels(b)), 1.0);
            }
        }
    }
}

// The menu picture is stretched over the window; the top score's digits go
// into its bottom-left corner, which must stay dark enough for them.
TEST(Textures, MenuKeepsTheTopScoreCornerDark) {
    const Picture& menu = texture("Menu");
    const double rowsPerPixel = 1024.0 / 768.0;
    int bright = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 160; ++x)
            bright += luminance(menu.at(x, static_cast<int>(y * rowsPerPixel))) > 120;
    EXPECT_GT(bright, 60);           // the "Top score" label
    EXPECT_LT(bright, 160 * 40 / 5);  // on a dark ground
}

// A visible rim lets the cube read as a cube while it turns.
TEST(Textures, ClothHasARimUnlikeItsMiddle) {
    const Picture& cloth = texture("CubeSurface");
    const Colour middle = cloth.at(cloth.width / 2, cloth.height / 2);
    for (int i = 0; i < cloth.width; i += 37) {
        EXPECT_GT(distance(cloth.at(i, 4), middle), 40) << i;
        EXPECT_GT(distance(cloth.at(4, i), middle), 40) << i;
        EXPECT_GT(distance(cloth.at(cloth.width - 5, i), middle), 40) << i;
    }
}

}  // namespace
}  // namespace assets_test

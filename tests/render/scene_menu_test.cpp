#include "render/scene_fixture.h"

namespace pelmora::rendertest {
namespace {

using MenuScreen = SceneTest;

// Panel middle and a point of the picture outside it, in window pixels from
// the top left.
constexpr int PanelX = 512, PanelY = 768 - 354;
constexpr int PictureX = 900, PictureY = 100;

TEST_F(MenuScreen, EachPageShowsItsPanelOverTheMenuPicture) {
    for (int page = 0; page < 5; ++page) {
        SCOPED_TRACE(page);
        game.menuPage = static_cast<MenuPage>(page);
        showMenu();
        EXPECT_EQ(gl.pixelAt(PanelX, PanelY), panelColour(page));
        EXPECT_EQ(gl.pixelAt(322, 768 - 485), panelColour(page));  // just inside a corner
        EXPECT_EQ(gl.pixelAt(PictureX, PictureY), MenuColour);
        EXPECT_EQ(gl.pixelAt(319, PanelY), MenuColour);  // just left of the panel
        gl.swap();
    }
}

TEST_F(MenuScreen, UnknownPageShowsThePictureOnly) {
    game.menuPage = static_cast<MenuPage>(9);
    showMenu();
    EXPECT_EQ(gl.pixelAt(PanelX, PanelY), MenuColour);
    gl.swap();
}

TEST_F(MenuScreen, TopScoreInTheBottomLeftCorner) {
    game.topScore.value = {4, 3, 2, 1};  // 1234
    showMenu();
    for (int k = 0; k < 4; ++k) EXPECT_EQ(gl.pixelAt(20 * k + 10, 757), glyphColour(uint32_t(k + 1)));
    EXPECT_EQ(gl.pixelAt(90, 757), MenuColour);
    EXPECT_EQ(gl.pixelAt(10, 740), MenuColour);
    gl.swap();
}

}  // namespace
}  // namespace pelmora::rendertest

#include <gtest/gtest.h>

#include "platform/window.h"
#include "unit/game_rig.h"

namespace pelmora {
namespace {

using Steps = std::vector<std::string>;

const Steps fullTeardown = {"restoreDisplayMode", "releaseCurrent", "deleteRenderContext",
                            "releaseDeviceContext", "destroyWindow", "unregisterWindowClass"};

Steps stepsAfter(const GameRig& rig, const std::string& step) {
    const auto at = std::find(rig.sys.steps.begin(), rig.sys.steps.end(), step);
    return at == rig.sys.steps.end() ? Steps{} : Steps(at + 1, rig.sys.steps.end());
}

bool anythingLeft(const AppWindow& w) {
    return w.classRegistered || w.window || w.deviceContext || w.renderContext ||
           w.displayListsBuilt || w.displayModeChanged;
}

struct WindowTest : GameRig, ::testing::Test {
    WindowTest() { provideTextures(); }
    Steps teardown() const { return stepsAfter(*this, "loadBitmap textures\\CardTextureMap.bmp"); }
};

TEST_F(WindowTest, FullScreenWindowAtTheOriginTornDownOnce) {
    sys.screen = {1920, 1080};
    game.window.cursorVisible = false;
    ASSERT_TRUE(createGameWindow(game));
    EXPECT_EQ(stepsAfter(*this, "makeCurrent").front(), "setSwapInterval");
    EXPECT_EQ(sys.lastWindow.x + sys.lastWindow.y, 0);
    EXPECT_EQ(sys.cursorShows, std::vector<bool>{false});
    destroyGameWindow(game);
    destroyGameWindow(game);
    EXPECT_EQ(teardown(), fullTeardown);
    EXPECT_EQ(countOf(gfx.calls, "deleteDisplayLists"), 1);
    EXPECT_FALSE(anythingLeft(game.window));
}

TEST(WindowCreation, EachFailingStepIsReportedAfterEverythingIsTornDown) {
    const Steps fromDevice = {"releaseDeviceContext", "destroyWindow", "unregisterWindowClass"};
    const Steps fromContext(fullTeardown.begin() + 1, fullTeardown.end());
    struct Row { std::string step, text; Steps teardown; };
    const Row rows[] = {
        {"registerWindowClass", "Failed To Register The Window Class.", {}},
        {"createWindow", "Window Creation Error.", {"unregisterWindowClass"}},
        {"acquireDeviceContext", "Can't Create A GL Device Context.",
         {"destroyWindow", "unregisterWindowClass"}},
        {"choosePixelFormat", "Can't Find A Suitable PixelFormat.", fromDevice},
        {"setPixelFormat", "Can't Set The PixelFormat.", fromDevice},
        {"createRenderContext", "Can't Create A GL Rendering Context.", fromDevice},
        {"makeCurrent", "Can't Activate The GL Rendering Context.", fromContext},
        {"loadBitmap textures\\Menu.bmp", "Initialization Failed.", fromContext},
    };
    for (const Row& r : rows) {
        GameRig rig;  // no bitmaps: the textures fail unless an earlier step does
        rig.sys.failingSteps.insert(r.step);
        EXPECT_FALSE(createGameWindow(rig.game));
        Steps expected = r.teardown;
        const bool registered = r.step != "registerWindowClass";
        if (registered) expected.insert(expected.begin(), "restoreDisplayMode");
        expected.push_back("box " + r.text);
        EXPECT_EQ(stepsAfter(rig, r.step), expected);
        EXPECT_EQ(rig.sys.boxes.at(0).caption, "ERROR");
        EXPECT_EQ(rig.sys.boxes.at(0).icon, BoxIcon::Exclamation);
        EXPECT_EQ(countOf(rig.gfx.calls, "deleteDisplayLists"), 0);
        EXPECT_FALSE(anythingLeft(rig.game.window));
    }
}

TEST(WindowCreation, RefusedFullScreenPlaysCentredOnYesAndClosesOtherwise) {
    for (BoxAnswer answer : {BoxAnswer::Yes, BoxAnswer::No, BoxAnswer::Unanswered}) {
        GameRig rig;
        rig.provideTextures();
        rig.sys.displayModeWorks = false;
        rig.sys.screen = {1920, 1080};
        rig.sys.boxAnswers = {answer};
        EXPECT_EQ(createGameWindow(rig.game), answer == BoxAnswer::Yes);
        destroyGameWindow(rig.game);
        EXPECT_FALSE(rig.sys.displayModeRestored);
        EXPECT_EQ(rig.sys.steps.at(2), "box The Requested Fullscreen Mode Is Not Supported By\n"
                                       "Your Video Card. Use Windowed Mode Instead?");
        EXPECT_EQ(rig.sys.boxes.at(0).caption, "Vask GL");
        EXPECT_EQ(rig.sys.boxes.at(0).buttons, BoxButtons::YesNo);
        const bool windowed = answer == BoxAnswer::Yes;
        const Steps next(rig.sys.steps.begin() + 3, rig.sys.steps.begin() + 5);
        const Steps expected =
            windowed ? Steps{"createWindow", "acquireDeviceContext"}
                     : Steps{"unregisterWindowClass", "box Program Will Now Close."};
        EXPECT_EQ(next, expected);
        EXPECT_EQ(rig.sys.lastWindow.x, windowed ? 448 : 0);
        EXPECT_EQ(rig.sys.lastWindow.y, windowed ? 156 : 0);
    }
}

TEST_F(WindowTest, EveryFailingTeardownStepIsReportedAndTeardownGoesOn) {
    ASSERT_TRUE(createGameWindow(game));
    sys.failingSteps.insert(fullTeardown.begin() + 1, fullTeardown.end());
    destroyGameWindow(game);
    const Steps expected = {
        "restoreDisplayMode", "releaseCurrent", "box Release Of DC And RC Failed.",
        "deleteRenderContext", "box Release Rendering Context Failed.", "releaseDeviceContext",
        "box Release Device Context Failed.", "destroyWindow", "box Could Not Release hWnd.",
        "unregisterWindowClass", "box Could Not Unregister Class."};
    EXPECT_EQ(teardown(), expected);
    for (const RecordedBox& box : sys.boxes) {
        EXPECT_EQ(box.caption, "SHUTDOWN ERROR");
        EXPECT_EQ(box.icon, BoxIcon::Information);
    }
    EXPECT_FALSE(anythingLeft(game.window));
}

}  // namespace
}  // namespace pelmora

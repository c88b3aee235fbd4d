#include <gtest/gtest.h>

#include <algorithm>

#include "platform/textures.h"
#include "platform/window.h"
#include "unit/game_rig.h"

namespace pelmora {
namespace {

using Steps = std::vector<std::string>;

// Newest first, as the teardown undoes a fully built window.
const Steps Teardown = {"restoreDisplayMode", "releaseCurrent", "deleteRenderContext",
                        "releaseDeviceContext", "destroyWindow", "unregisterWindowClass"};

Steps stepsAfter(const GameRig& rig, const std::string& step) {
    const auto at = std::find(rig.sys.steps.begin(), rig.sys.steps.end(), step);
    return at == rig.sys.steps.end() ? Steps{} : Steps(at + 1, rig.sys.steps.end());
}

TEST(Textures, NameIsTheLastBackslashPartLessItsExtension) {
    EXPECT_EQ(textureNameFor("a\\b\\CardTextureMap.bmp"), "CardTextureMap");
    EXPECT_EQ(textureNameFor("textures\\abc"), "abc");  // too short to lose four characters
    EXPECT_EQ(textureNameFor("textures\\abcd"), "");
    EXPECT_EQ(textureNameFor("textures/Menu.bmp"), "textures/Menu");
}

TEST(Window, FullScreenWithTheFourTexturesAndATeardownThatReportsEachFailureAndGoesOn) {
    GameRig rig;
    rig.sys.provideTextures();
    rig.sys.bitmaps["textures\\CardTextureMap.bmp"].pixels[5] = 9;
    rig.sys.screen = {1920, 1080};
    EXPECT_EQ(rig.sys.cursorShows, std::vector<bool>{true});  // the window settings alone show it
    ASSERT_TRUE(createGameWindow(rig.window));
    EXPECT_EQ(rig.sys.cursorShows, (std::vector<bool>{true, true}));
    EXPECT_EQ(rig.sys.lastWindow.x + rig.sys.lastWindow.y, 0);
    const TextureRegistry& loaded = rig.game.textures;
    const char* names[] = {"Menu", "SubMenuPlots", "CubeSurface", "CardTextureMap"};
    for (uint32_t i = 0; i < 4; ++i) EXPECT_EQ(findTextureId(loaded, names[i]), i + 1);
    ASSERT_EQ(loaded.images.size(), 1u);  // only the card atlas stays in memory
    EXPECT_EQ(rig.game.cloud.cardImage, &loaded.images[0]);
    EXPECT_EQ(loaded.images[0].name, "CardTextureMap");
    const ImageCopy::Pixel second = loaded.images[0].pixels.at(1);
    EXPECT_TRUE(second.red == 4 && second.green == 5 && second.blue == 9);
    EXPECT_EQ(rig.sys.pixelBits, std::make_pair(24, 16));
    EXPECT_EQ(rig.sys.swapInterval, 1) << "swaps wait for the display's refresh";
    rig.sys.failingSteps.insert(Teardown.begin() + 1, Teardown.end());
    destroyGameWindow(rig.window);
    destroyGameWindow(rig.window);  // a second teardown finds nothing left to undo
    EXPECT_EQ(stepsAfter(rig, "loadBitmap textures\\CardTextureMap.bmp"),
              (Steps{"restoreDisplayMode", "releaseCurrent", "box Release Of DC And RC Failed.",
                     "deleteRenderContext", "box Release Rendering Context Failed.",
                     "releaseDeviceContext", "box Release Device Context Failed.", "destroyWindow",
                     "box Could Not Release hWnd.", "unregisterWindowClass",
                     "box Could Not Unregister Class."}));
    for (const RecordedBox& box : rig.sys.boxes)
        EXPECT_TRUE(box.caption == "SHUTDOWN ERROR" && box.icon == BoxIcon::Information);
    EXPECT_EQ(rig.gfx.listsDeleted, 1);
}

// A bitmap one pixel short fails like a missing one, and the loading stops there.
TEST(Window, EachFailingCreationStepIsReportedAfterEverythingIsTornDown) {
    const std::tuple<std::string, std::string, int> rows[] = {  // step, box, steps undone
        {"registerWindowClass", "Failed To Register The Window Class.", -1},
        {"createWindow", "Window Creation Error.", 1},
        {"acquireDeviceContext", "Can't Create A GL Device Context.", 2},
        {"choosePixelFormat", "Can't Find A Suitable PixelFormat.", 3},
        {"setPixelFormat", "Can't Set The PixelFormat.", 3},
        {"createRenderContext", "Can't Create A GL Rendering Context.", 3},
        {"makeCurrent", "Can't Activate The GL Rendering Context.", 5},
        {"loadBitmap textures\\Menu.bmp", "Initialization Failed.", 5},
        {"loadBitmap textures\\CubeSurface.bmp", "Initialization Failed.", 5},
    };
    for (const auto& [step, text, undone] : rows) {
        GameRig rig;
        rig.sys.provideTextures();
        rig.sys.failingSteps.insert(step);
        if (step[0] == 'l') rig.sys.bitmaps[step.substr(11)].pixels.pop_back();
        EXPECT_FALSE(createGameWindow(rig.window));
        Steps want(Teardown.end() - std::max(undone, 0), Teardown.end());
        if (undone >= 0) want.insert(want.begin(), Teardown[0]);
        want.push_back("box " + text);
        EXPECT_EQ(stepsAfter(rig, step), want);
        EXPECT_TRUE(rig.sys.boxes.at(0).caption == "ERROR" &&
                    rig.sys.boxes.at(0).icon == BoxIcon::Exclamation) << text;
        EXPECT_EQ(rig.gfx.listsDeleted, 0) << text;
    }
    // A bitmap holding more than its size says is refused like a short one.
    GameRig rig;
    rig.sys.provideTextures();
    rig.sys.bitmaps["textures\\SubMenuPlots.bmp"].pixels.push_back(0);
    EXPECT_FALSE(createGameWindow(rig.window));
    EXPECT_EQ(rig.sys.boxes.at(0).text, "Initialization Failed.");
    EXPECT_TRUE(rig.game.textures.entries.size() == 1 && !rig.game.cloud.cardImage);
}

TEST(Window, RefusedFullScreenPlaysCentredOnYesAndClosesOtherwise) {
    for (BoxAnswer answer : {BoxAnswer::Yes, BoxAnswer::No, BoxAnswer::Unanswered}) {
        GameRig rig;
        rig.sys.provideTextures();
        rig.sys.failingSteps = {"changeDisplayMode"};
        rig.sys.screen = {1920, 1080};
        rig.sys.answer = answer;
        const bool yes = answer == BoxAnswer::Yes;
        EXPECT_EQ(createGameWindow(rig.window), yes);
        destroyGameWindow(rig.window);
        const Steps next = yes ? Steps{"createWindow", "acquireDeviceContext"}
                               : Steps{"unregisterWindowClass", "box Program Will Now Close."};
        EXPECT_EQ(Steps(rig.sys.steps.begin() + 2, rig.sys.steps.begin() + 5),
                  (Steps{"box The Requested Fullscreen Mode Is Not Supported By\n"
                         "Your Video Card. Use Windowed Mode Instead?", next[0], next[1]}));
        EXPECT_TRUE(rig.sys.boxes[0].caption == "Vask GL" &&
                    rig.sys.boxes[0].buttons == BoxButtons::YesNo);
        EXPECT_EQ(std::count(rig.sys.steps.begin(), rig.sys.steps.end(), "restoreDisplayMode"), 0);
        EXPECT_EQ(rig.sys.lastWindow.x, yes ? 448 : 0);
        EXPECT_EQ(rig.sys.lastWindow.y, yes ? 156 : 0);
    }
}

}  // namespace
}  // namespace pelmora

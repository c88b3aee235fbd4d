#include <gtest/gtest.h>

#include "platform/textures.h"
#include "unit/game_rig.h"

namespace pelmora {
namespace {

struct TexturesTest : GameRig, ::testing::Test {};

TEST(TextureNames, LastPathComponentWithoutItsExtension) {
    EXPECT_EQ(textureNameFor("textures\\Menu.bmp"), "Menu");
    EXPECT_EQ(textureNameFor("a\\b\\c\\CardTextureMap.bmp"), "CardTextureMap");
    EXPECT_EQ(textureNameFor("textures\\abc"), "abc");  // too short to lose four characters
    EXPECT_EQ(textureNameFor("textures/Menu.bmp"), "textures/Menu");
}

TEST_F(TexturesTest, LoadsAllFourInOrderAndKeepsOnlyTheCardAtlas) {
    provideTextures();
    sys.bitmaps["textures\\CardTextureMap.bmp"].pixels[0] = 9;
    ASSERT_TRUE(loadTextures(game));
    const char* names[] = {"Menu", "SubMenuPlots", "CubeSurface", "CardTextureMap"};
    for (uint32_t i = 0; i < 4; ++i) EXPECT_EQ(findTextureId(game.textures, names[i]), i + 1);
    EXPECT_EQ(findTextureId(game.textures, "menu"), 0u);
    ASSERT_EQ(game.textures.images.size(), 1u);
    const ImageCopy& atlas = game.textures.images[0];
    EXPECT_EQ(game.cloud.cardImage, &atlas);
    EXPECT_EQ(atlas.name, "CardTextureMap");
    ASSERT_EQ(atlas.pixels.size(), 2u);
    EXPECT_EQ(atlas.pixels[0].red, 9);
    EXPECT_EQ(atlas.pixels[1].blue, 6);
    EXPECT_EQ(findImageCopy(game.textures, "Menu"), nullptr);
}

TEST_F(TexturesTest, StopsAtTheFirstMissingOrIncompleteImage) {
    provideTextures();
    sys.bitmaps["textures\\CubeSurface.bmp"].pixels.pop_back();  // shorter than 2 x 1 pixels
    EXPECT_FALSE(loadTextures(game));
    EXPECT_EQ(sys.steps.back(), "loadBitmap textures\\CubeSurface.bmp");
    EXPECT_EQ(game.textures.entries.size(), 2u);
    EXPECT_EQ(game.cloud.cardImage, nullptr);
    sys.bitmaps.erase("textures\\Menu.bmp");
    EXPECT_FALSE(loadTextures(game));
    EXPECT_EQ(sys.steps.back(), "loadBitmap textures\\Menu.bmp");
}

}  // namespace
}  // namespace pelmora

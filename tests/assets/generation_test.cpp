// Generating is repeatable to the byte and fails with a clear reason.
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "assets/generate.h"
#include "generated.h"

namespace assets_test {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(Generation, SecondRunGivesTheSameBytes) {
    ScratchFolder again;
    std::string error;
    ASSERT_TRUE(assets::generateAssets(again.path(), "", error)) << error;
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(runFolder())) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), runFolder());
        EXPECT_EQ(contents(entry.path()), contents(fs::path(again.path()) / relative)) << relative;
        ++files;
    }
    EXPECT_EQ(files, 11);
    // The score file is the game's to create.
    EXPECT_FALSE(fs::exists(fs::path(runFolder()) / "scoredata.xml"));
}

TEST(Generation, WritesPreviewsWhenAsked) {
    ScratchFolder scratch;
    const std::string previews = scratch.path() + "/previews";
    std::string error;
    ASSERT_TRUE(assets::generateAssets(scratch.path() + "/run", previews, error)) << error;
    for (const char* name : {"CardTextureMap.png", "CardTextureMap-regions.png", "SubMenuPlots-regions.png",
                             "Menu.png", "CubeSurface.png", "menu-screen.png", "score-bar.png"}) {
        const std::string head = contents(fs::path(previews) / name).substr(0, 8);
        EXPECT_EQ(head, "\x89PNG\r\n\x1a\n") << name;
    }
}

TEST(Generation, UnwritableFolderIsReportedNotCrashedOn) {
    ScratchFolder scratch;
    const std::string blocker = scratch.path() + "/a-file";
    std::ofstream(blocker) << "not a folder";
    std::string error;
    EXPECT_FALSE(assets::generateAssets(blocker + "/run", "", error));
    EXPECT_NE(error.find(blocker), std::string::npos) << error;
}

}  // namespace
}  // namespace assets_test

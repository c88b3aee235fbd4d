// The generated assets, read back as the game reads them: every picture where
// the game samples it, cues SDL opens, the same bytes on every run.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <regex>
#include <set>

#include <SDL.h>
#include <cairo.h>
#include <gtest/gtest.h>

#include "assets/generate.h"
#include "assets/icon.h"
#include "platform/sdl/bitmap.h"
#include "support/files.h"
#include "view/atlas.h"
#include "view/geometry.h"

namespace {

namespace fs = std::filesystem;
using namespace pelmora;

struct ScratchFolder {
    std::string path = fs::temp_directory_path() / "pelmora-assets-XXXXXX";
    ScratchFolder() { EXPECT_NE(mkdtemp(path.data()), nullptr); }
    ~ScratchFolder() { std::error_code ignored; fs::remove_all(path, ignored); }
};

// What the build generates: textures and sounds in run/, previews, icons.
bool generate(const std::string& folder, std::string& error) {
    return assets::generateAssets(folder + "/run", folder + "/previews", error) &&
           assets::writeIcons(folder + "/icons", error);
}

const std::string& generated() {
    static ScratchFolder folder;
    static std::string error;
    static const bool made = generate(folder.path, error);
    EXPECT_TRUE(made) << error;
    return folder.path;
}

// Read through the game's own loader, as the game reads them.
Image texture(const std::string& name) {
    return loadBitmapFile(generated() + "/run/textures/" + name + ".bmp");
}

struct Colour { int r, g, b; };
using Pixels = std::vector<Colour>;

int distance(Colour a, Colour b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

Colour at(const Image& image, int u, int v) {  // v counts from the bottom row
    const size_t i = (static_cast<size_t>(v) * image.width + u) * 3;
    return {image.pixels.at(i), image.pixels.at(i + 1), image.pixels.at(i + 2)};
}

Pixels pixels(const Image& image, const AtlasRect& r) {
    Pixels out;
    for (int v = r.bottom; v < r.top; ++v)
        for (int u = r.left; u < r.right; ++u) out.push_back(at(image, u, v));
    return out;
}

int countInk(const Pixels& pixels, Colour paper, int threshold) {
    auto inked = [&](Colour c) { return distance(c, paper) > threshold; };
    return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), inked));
}

double meanDifference(const Pixels& a, const Pixels& b) {
    double sum = 0.0;
    for (size_t i = 0; i < a.size(); ++i) sum += distance(a[i], b[i]);
    return sum / static_cast<double>(a.size());
}

void expectAllDiffer(const std::vector<Pixels>& regions, double least, const char* what) {
    for (size_t a = 0; a < regions.size(); ++a)
        for (size_t b = a + 1; b < regions.size(); ++b)
            EXPECT_GT(meanDifference(regions[a], regions[b]), least) << what << " " << a << " and " << b;
}

constexpr uint32_t Deck = 52;
constexpr Colour Unused = {0x6E, 0x6A, 0x62}, Black = {0, 0, 0};

// Each picture is drawn on its card's paper, not left unused; its index corner
// alone names the card on the hand strip; its highlighted copy stands out at a
// glance. Neighbours share only their outermost row or column, so every plain
// picture keeps one outline all round, and beyond the grid the atlas is unused.
TEST(CardAtlas, EveryCardHasItsOwnFaceCornerAndHighlightedCopyInItsRectangle) {
    const Image atlas = texture("CardTextureMap");
    const Colour outline = at(atlas, 0, AtlasSize - 1);
    std::vector<Pixels> faces, corners;
    for (uint32_t value = 0; value < Deck; ++value) {
        const AtlasRect r = cardPictureRect(value), lit = selectedPictureRect(value);
        const Colour paper = at(atlas, r.left + 35, r.bottom + 4);
        faces.push_back(pixels(atlas, r));
        corners.push_back(pixels(atlas, cardCornerRect(value)));
        EXPECT_GT(countInk(faces.back(), paper, 80), 300) << "card " << value;
        EXPECT_GT(countInk(corners.back(), paper, 80), 25) << "card " << value;
        EXPECT_GT(meanDifference(faces.back(), pixels(atlas, lit)), 25.0) << "card " << value;
        const AtlasRect inside = {r.left + 1, r.right - 1, r.bottom + 1, r.top - 1};
        EXPECT_EQ(countInk(faces.back(), outline, 2), countInk(pixels(atlas, inside), outline, 2)) << value;
    }
    expectAllDiffer(faces, 2.0, "cards");
    expectAllDiffer(corners, 2.0, "corners");
    const AtlasRect last = selectedPictureRect(Deck - 1);  // the grid's bottom right
    EXPECT_EQ(countInk(pixels(atlas, {last.right, last.right + 1, last.bottom - 1, 1024}), Unused, 2), 0);
    EXPECT_EQ(countInk(pixels(atlas, {0, last.right + 1, last.bottom - 1, last.bottom}), Unused, 2), 0);
}

// Glyph cells hold light ink, each its own; where the scene draws a glyph or a
// hand slot over the score bar, the bar is dark, so no label or trim shows.
TEST(CardAtlas, GlyphsAndScoreBarCellsFitTheScene) {
    const Image atlas = texture("CardTextureMap");
    std::vector<Pixels> glyphs;
    for (uint32_t digit = 0; digit <= 10; ++digit) {
        glyphs.push_back(pixels(atlas, glyphRect(digit)));
        EXPECT_GT(countInk(glyphs.back(), Black, 160), 40) << "glyph " << digit;
    }
    expectAllDiffer(glyphs, 3.0, "glyphs");
    const Quad bar = displayListQuad(ListHudBar, 1024, 768);
    const double x0 = bar[0].pos.x, x1 = bar[2].pos.x, y0 = bar[1].pos.y, y1 = bar[0].pos.y;
    auto u = [&](double x) { return static_cast<int>((x - x0) / (x1 - x0) * 1024); };
    auto v = [&](double y) { return 96 + static_cast<int>((y - y0) / (y1 - y0) * 72); };
    for (unsigned k = 0; k < 8; ++k)
        for (double x : {clockGlyphLeft(k), scoreGlyphLeft(k % 4), stripSlotLeft(k % 5)}) {
            const AtlasRect cell = {u(x) + 1, u(x + GlyphCellWidth) - 1, v(GlyphCellBottom) + 1,
                                    v(GlyphCellTop) - 1};
            EXPECT_EQ(countInk(pixels(atlas, cell), Black, 60), 0) << "cell at x " << x;
        }
}

// Bitmaps the game's loader takes at their sizes; cues that are short, loud
// enough, distinct, and fade in and out so a cut-off cue never clicks.
TEST(GeneratedFiles, OpenAsTheGameOpensThem) {
    for (const auto& [name, size] :
         {std::pair{"Menu", 1024}, {"SubMenuPlots", 1024}, {"CubeSurface", 512}, {"CardTextureMap", 1024}}) {
        const Image image = texture(name);
        EXPECT_TRUE(image.loaded && image.width == size && image.height == size) << name;
    }
    std::set<std::vector<int16_t>> heard;
    for (const char* file :
         {"drop.wav", "flip.wav", "newgame.wav", "nodrop.wav", "select.wav", "tick.wav", "unselectable.wav"}) {
        SDL_AudioSpec format{};
        Uint8* buffer = nullptr;
        Uint32 length = 0;
        const std::string path = generated() + "/run/sounds/" + file;
        ASSERT_TRUE(SDL_LoadWAV(path.c_str(), &format, &buffer, &length)) << path << ": " << SDL_GetError();
        std::vector<int16_t> samples(length / 2);
        std::memcpy(samples.data(), buffer, samples.size() * 2);
        SDL_FreeWAV(buffer);
        const double seconds = static_cast<double>(samples.size()) / format.freq;
        EXPECT_TRUE(format.format == AUDIO_S16LSB && format.channels == 1) << file;
        EXPECT_TRUE(seconds > 0.03 && seconds < 0.6) << file << " lasts " << seconds;
        EXPECT_GT(*std::max_element(samples.begin(), samples.end()), 8000) << file;
        EXPECT_LT(std::abs(samples.front()) + std::abs(samples.back()), 400) << file;
        EXPECT_TRUE(heard.insert(samples).second) << file << " sounds like another cue";
    }
}

// Cairo numbers its SVG surfaces across the process, each run alike.
TEST(Generation, RepeatsToTheByte) {
    ScratchFolder again;
    std::string error;
    ASSERT_TRUE(generate(again.path, error)) << error;
    const std::regex surfaceId("surface[0-9]+");
    for (const auto& entry : fs::recursive_directory_iterator(generated())) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), generated());
        std::string first = readWholeFile(entry.path()), second = readWholeFile(again.path / relative);
        if (relative.extension() == ".svg")
            first = std::regex_replace(first, surfaceId, ""), second = std::regex_replace(second, surfaceId, "");
        EXPECT_EQ(first, second) << relative;
    }
}

// The icon theme takes each PNG at its folder's size; the card shape shows
// through transparent corners. Previews are PNG files too.
TEST(Icons, EverySizeIsDrawnAtItsSizeWithClearCorners) {
    const fs::path folder = generated();
    EXPECT_EQ(readWholeFile(folder / "previews/CardTextureMap-regions.png").substr(0, 4), "\x89PNG");
    EXPECT_NE(readWholeFile(folder / "icons/hicolor/scalable/apps/pelmora.svg").find("<svg"), std::string::npos);
    for (int size : assets::IconSizes) {
        const std::string png = "icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/pelmora.png";
        cairo_surface_t* icon = cairo_image_surface_create_from_png((folder / png).c_str());
        ASSERT_EQ(cairo_surface_status(icon), CAIRO_STATUS_SUCCESS) << png;
        EXPECT_EQ(cairo_image_surface_get_width(icon), size);
        EXPECT_EQ(cairo_image_surface_get_height(icon), size);
        const unsigned char* data = cairo_image_surface_get_data(icon);
        const int stride = cairo_image_surface_get_stride(icon);
        auto alpha = [&](int x, int y) { return data[y * stride + 4 * x + 3]; };  // little-endian ARGB
        EXPECT_EQ(alpha(0, 0), 0) << png;
        EXPECT_EQ(alpha(size - 1, size - 1), 0) << png;
        EXPECT_EQ(alpha(size / 2, size / 2), 255) << png;
        cairo_surface_destroy(icon);
    }
}

}  // namespace

// The real game under a private X server, played the way a person plays it.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <cstring>
#include <filesystem>
#include <regex>

#include "board/board.h"
#include "board/deal.h"
#include "e2e/e2e_harness.h"
#include "support/files.h"
#include "support/one_pair_hand.h"
#include "support/score_sample.h"
#include "values/modes.h"
#include "values/random.h"
#include "view/atlas.h"
#include "view/picking.h"

namespace pelmora::e2e {
namespace {

constexpr int64_t FrozenSeconds = 1767225600;  // 2026-01-01 00:00:00 UTC
constexpr Rect PanelOnScreen{321, 282, 703, 546};
constexpr double SamePicture = 14.0;  // mean channel difference still counted as equal

std::map<std::string, std::string> frozenCalendar() {
    return {{"LD_PRELOAD", PELMORA_FAKETIME},
            {"FAKETIME", "2026-01-01 00:00:00"},
            {"FAKETIME_DONT_FAKE_MONOTONIC", "1"},
            {"TZ", "UTC"}};
}

Rect shrink(Rect r, double inset) {
    const double dx = (r.x1 - r.x0) * inset;
    const double dy = (r.y1 - r.y0) * inset;
    return {r.x0 + dx, r.y0 + dy, r.x1 - dx, r.y1 - dy};
}

Rect textureRect(const AtlasRect& a, double inset = 0.0) {
    return shrink({double(a.left), double(AtlasSize - a.top), double(a.right), double(AtlasSize - a.bottom)}, inset);
}

// A point of the score bar plane (two units in front of the eye) on screen.
std::array<double, 2> barPoint(double x, double y) {
    const double f = 1.0 / std::tan(22.5 * M_PI / 180.0);
    const double aspect = 1024.0 / 768.0;
    const double ndcX = f / aspect * x / 2.0;
    const double ndcY = f * y / 2.0;
    return {(ndcX + 1.0) * 512.0, 768.0 - (ndcY + 1.0) * 384.0};
}

Rect scoreCell(int k) {
    const double x1 = 1.075 - 0.075 * k;
    const auto tl = barPoint(x1 - 0.05, -0.7725);
    const auto br = barPoint(x1, -0.8225);
    return {tl[0], tl[1], br[0], br[1]};
}

Rect menuDigitCell(int k) { return {20.0 * k, 748.0, 20.0 * k + 20.0, 768.0}; }

struct Assets {
    Picture menu = loadBmp(assetFolder() + "/textures/Menu.bmp");
    Picture plots = loadBmp(assetFolder() + "/textures/SubMenuPlots.bmp");
    Picture atlas = loadBmp(assetFolder() + "/textures/CardTextureMap.bmp");
};

const Assets& assets() {
    static const Assets a;
    return a;
}

// The candidate whose picture differs least, if by less than `under`; else -1.
int closest(int candidates, double under, const std::function<double(int)>& difference) {
    int best = -1;
    for (int i = 0; i < candidates; ++i) {
        const double diff = difference(i);
        if (diff < under) under = diff, best = i;
    }
    return best;
}

// Which digit glyph a cell on screen shows.
uint32_t readDigit(const Picture& shot, Rect cell) {
    return uint32_t(closest(10, 1e9, [&](int d) {
        return regionDifference(shot, shrink(cell, 0.1), assets().atlas, textureRect(glyphRect(uint32_t(d)), 0.1));
    }));
}

Rect moved(Rect r, int dx, int dy) { return {r.x0 + dx, r.y0 + dy, r.x1 + dx, r.y1 + dy}; }

// The menu page whose panel is on screen, or -1 when none is; dx, dy is
// where the client area's top-left corner lies on the screen.
int visiblePage(const Picture& shot, int dx = 0, int dy = 0) {
    const AtlasRect panels[5] = {PanelNewGame, PanelQuit, PanelPaused, PanelGameWon, PanelGameOver};
    return closest(5, SamePicture, [&](int page) {
        return regionDifference(shot, moved(PanelOnScreen, dx, dy), assets().plots, textureRect(panels[page]));
    });
}

bool menuPictureShows(const Picture& shot, int dx = 0, int dy = 0) {
    const Picture& m = assets().menu;
    // The strip above the panel, stretched from the picture to the window.
    const Rect onScreen = moved({0, 40, 1024, 270}, dx, dy);
    const Rect inPicture{0, 40.0 * m.height / 768, static_cast<double>(m.width), 270.0 * m.height / 768};
    return regionDifference(shot, onScreen, m, inPicture) < SamePicture;
}

// Asks every fifth of a second until the answer is yes or the time is up.
bool poll(int timeoutMs, const std::function<bool()>& yes) {
    for (int waited = 0;; waited += 200) {
        if (yes()) return true;
        if (waited >= timeoutMs) return false;
        sleepMs(200);
    }
}

Picture waitForScreen(const std::function<bool(const Picture&)>& ok, int timeoutMs) {
    Picture shot;
    poll(timeoutMs, [&] { return ok(shot = grabScreen()); });
    return shot;
}

// Waits until the cube holds still: two shots a fifth of a second apart alike.
void waitForStillCube(int timeoutMs) {
    Picture last;
    poll(timeoutMs, [&] {
        Picture now = grabScreen();
        const bool still = !last.rgb.empty() && screenDifference(last, now, {300, 200, 700, 560}) < 0.5;
        last = std::move(now);
        return still;
    });
}

Picture waitForPage(int page, int timeoutMs = 10000) {
    return waitForScreen([page](const Picture& s) { return visiblePage(s) == page; }, timeoutMs);
}

// Held for a while: the game reads keys once per frame, so a press and
// release arriving between two frames would never be seen. Frames of the
// sanitizer build on a busy machine can take well over 150 ms; the key delay
// keeps a longer hold from acting twice.
void key(const std::string& name) {
    xdo("keydown " + name);
    sleepMs(400);
    xdo("keyup " + name);
    sleepMs(250);
}

Rect around(int x, int y, int half = 8) {
    return {double(x - half), double(y - half), double(x + half), double(y + half)};
}

class PlayingTheGame : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_GT(assets().atlas.width, 0) << "generated textures missing under " << assetFolder();
        ASSERT_GT(grabScreen().width, 0) << "no X display";
    }
};

TEST_F(PlayingTheGame, MenuDealSelectDropTurnPauseTimeOutAndTopScore) {
    const std::string folder = makeWorkFolder("full-game");
    GameProcess game(folder);
    game.start(frozenCalendar());

    Picture shot = waitForPage(PageNewGame, 20000);
    shot.savePng(shotPath("01-menu"));
    ASSERT_EQ(visiblePage(shot), PageNewGame) << "the menu with the new-game panel never showed";
    EXPECT_TRUE(menuPictureShows(shot));
    EXPECT_EQ(readDigit(shot, menuDigitCell(0)), 0u) << "no top score yet";

    key("Down");
    shot = waitForPage(PageQuit);
    shot.savePng(shotPath("02-menu-quit"));
    EXPECT_EQ(visiblePage(shot), PageQuit);
    key("Up");
    EXPECT_EQ(visiblePage(waitForPage(PageNewGame)), PageNewGame);

    // The deal the game makes with its calendar frozen.
    Board board;
    Random random;
    random.seed(static_cast<uint32_t>(FrozenSeconds));
    dealBoard(board, random);
    const std::vector<Pick> hand = onePairHand(*board.face(0));
    ASSERT_EQ(hand.size(), 5u) << "this deal has no one-pair hand among its free cards";

    key("Return");
    shot = waitForScreen([](const Picture& s) { return visiblePage(s) == -1 && !menuPictureShows(s); }, 5000);
    shot.savePng(shotPath("03-dealt"));
    ASSERT_EQ(visiblePage(shot), -1) << "the cube never appeared";
    EXPECT_EQ(readDigit(shot, scoreCell(0)), 0u);

    std::vector<Picture> selected;
    for (const Pick& p : hand) {
        xdo("mousemove " + std::to_string(p.x) + " " + std::to_string(p.y));
        sleepMs(300);
        const Picture before = grabScreen();
        xdo("click 1");
        sleepMs(300);
        selected.push_back(grabScreen());
        EXPECT_GT(screenDifference(before, selected.back(), around(p.x, p.y, 14)), 8.0)
            << "card at (" << p.place.x << ", " << p.place.y << ") shows no highlight";
    }
    selected.back().savePng(shotPath("04-selected"));

    xdo("click 3");
    sleepMs(1500);
    shot = grabScreen();
    shot.savePng(shotPath("05-dropped"));
    EXPECT_EQ(readDigit(shot, scoreCell(0)), 1u) << "one pair scores one point";
    for (size_t i = 0; i < hand.size(); ++i) {
        const Pick& p = hand[i];
        xdo("mousemove " + std::to_string(p.x) + " " + std::to_string(p.y));
        sleepMs(300);
        const double change = screenDifference(grabScreen(), selected[i], around(p.x, p.y));
        if (i < 2) {
            EXPECT_GT(change, 20.0) << "a card of the pair is still there";
        } else {
            EXPECT_LT(change, SamePicture) << "a kicker lost its place or its highlight";
        }
    }

    const Picture beforeTurn = grabScreen();
    key("w");
    sleepMs(1500);
    shot = grabScreen();
    shot.savePng(shotPath("06-turned"));
    EXPECT_GT(screenDifference(beforeTurn, shot, {300, 200, 700, 560}), 10.0) << "W did not turn the cube";

    waitForStillCube(10000);  // a slow machine may still be turning, and P waits for the turn
    key("p");
    shot = waitForPage(PagePaused);
    shot.savePng(shotPath("07-paused"));
    EXPECT_EQ(visiblePage(shot), PagePaused);
    EXPECT_TRUE(menuPictureShows(shot)) << "the paused panel lies over the menu picture, not the cube";
    key("p");
    EXPECT_EQ(visiblePage(waitForScreen([](const Picture& s) { return visiblePage(s) == -1; }, 5000)), -1);

    shot = waitForPage(PageGameOver, 45000);
    shot.savePng(shotPath("08-game-over"));
    ASSERT_EQ(visiblePage(shot), PageGameOver) << "the countdown never ran out";

    key("Escape");
    int code = -1;
    ASSERT_TRUE(game.waitExit(10000, code)) << "Escape in the menu did not end the game";
    EXPECT_EQ(code, 0);
    const std::string saved = readWholeFile(folder + "/scoredata.xml");
    EXPECT_TRUE(std::regex_match(saved, std::regex("<div id=\"topscore\">\r\n<div id=\"ts_time\">00:00:[34][0-9]"
                                                   "</div>\r\n<div id=\"ts_value\">1</div>\r\n</div>\r\n")))
        << saved;

    GameProcess again(folder);
    again.start();
    shot = waitForPage(PageNewGame, 20000);
    shot.savePng(shotPath("09-menu-top-score"));
    EXPECT_EQ(readDigit(shot, menuDigitCell(0)), 1u) << "the menu does not show the stored top score";
    key("Return");
    waitForScreen([](const Picture& s) { return visiblePage(s) == -1; }, 5000);
    key("Escape");
    shot = waitForPage(PageNewGame);
    EXPECT_EQ(visiblePage(shot), PageNewGame) << "Escape did not abandon the game";
    key("Escape");
    ASSERT_TRUE(again.waitExit(10000, code));
    EXPECT_EQ(code, 0);
    EXPECT_EQ(readWholeFile(folder + "/scoredata.xml"), saved);
}

// The id of a top-level window by its exact title; message boxes are found
// through the window tree, where xdotool's name search misses them.
std::string findWindow(const std::string& title, int timeoutMs) {
    const std::string quoted = "\"" + title + "\"";
    std::string found;
    poll(timeoutMs, [&] {
        FILE* p = popen("xwininfo -root -tree 2>/dev/null", "r");
        char line[512];
        while (p && fgets(line, sizeof line, p)) {
            const std::string text = line;
            if (found.empty() && text.find(quoted) != std::string::npos) {
                found = text.substr(text.find("0x"), text.find(' ', text.find("0x")) - text.find("0x"));
            }
        }
        if (p) pclose(p);
        return !found.empty();
    });
    return found;
}

// Answers a message box with a key; false when no box of that title came.
bool answerBox(const std::string& title, const std::string& key, GameProcess& game) {
    const std::string box = findWindow(title, 20000);
    if (box.empty()) return false;
    sleepMs(500);
    xdo("windowactivate --sync " + box);
    xdo("key --clearmodifiers " + key);
    sleepMs(1000);
    if (!findWindow(title, 200).empty() && game.running()) xdo("key --window " + box + " " + key);
    return true;
}

// Where the client area of a centred window lies: the window's corner sits at
// half the screen minus half the client area, and the client area lies within
// its frame. Found as the place where the new-game panel fits best.
bool findMenuInWindow(const Picture& shot, int& dx, int& dy) {
    const int x0 = shot.width / 2 - 512, y0 = shot.height / 2 - 384;
    const int at = closest(41 * 17, SamePicture, [&](int i) {
        return regionDifference(shot, moved(PanelOnScreen, x0 + i % 17, y0 + i / 17), assets().plots,
                                textureRect(PanelNewGame));
    });
    dx = x0 + at % 17, dy = y0 + at / 17;
    return at >= 0 && menuPictureShows(shot, dx, dy);
}

// Needs a screen that has no 1024x768 mode, so the full-screen switch is
// refused. A windowed game lets go of the pointer: resting it beyond the
// window's top-left corner, past two edge bands at once, turns nothing.
TEST_F(PlayingTheGame, RefusedFullScreenOffersAWindowOrEndsTheProgram) {
    const Picture screen = grabScreen();
    if (screen.width == 1024 && screen.height == 768) GTEST_SKIP() << "the screen has the game's size";
    const std::string folder = makeWorkFolder("windowed");
    GameProcess windowed(folder);
    windowed.start();
    ASSERT_TRUE(answerBox("Vask GL", "Return", windowed)) << "no box offered windowed play";
    int dx = 0, dy = 0;
    const Picture shot = waitForScreen([&](const Picture& s) { return findMenuInWindow(s, dx, dy); }, 20000);
    shot.savePng(shotPath("12-windowed-menu"));
    ASSERT_TRUE(findMenuInWindow(shot, dx, dy)) << "no centred 1024x768 client area shows the menu";
    // The top score sits in the client area's bottom-left corner: the client area is 768 high.
    EXPECT_EQ(readDigit(shot, moved(menuDigitCell(0), dx, dy)), 0u);
    const std::string centre = std::to_string(dx + 512) + " " + std::to_string(dy + 384);
    xdo("mousemove " + centre);
    key("Return");
    ASSERT_EQ(visiblePage(waitForScreen([&](const Picture& s) { return visiblePage(s, dx, dy) == -1; }, 5000),
                          dx, dy), -1) << "the cube never appeared";
    xdo("mousemove 2 2");
    sleepMs(500);
    const Picture resting = grabScreen();
    const Rect cube = moved({300, 200, 700, 560}, dx, dy);
    for (int waited = 0; waited < 3000; waited += 250) {
        sleepMs(250);
        ASSERT_LT(screenDifference(resting, grabScreen(), cube), 2.0) << "the cube turned after " << waited << " ms";
    }
    xdo("mousemove " + centre);
    key("Escape");
    EXPECT_EQ(visiblePage(waitForScreen([&](const Picture& s) { return visiblePage(s, dx, dy) == PageNewGame; }, 5000),
                          dx, dy), PageNewGame);
    key("Escape");
    int code = -1;
    ASSERT_TRUE(windowed.waitExit(10000, code));
    EXPECT_EQ(code, 0);

    GameProcess declined(folder);
    declined.start();
    ASSERT_TRUE(answerBox("Vask GL", "Escape", declined)) << "no box offered windowed play";
    const std::string closing = findWindow("ERROR", 20000);
    ASSERT_FALSE(closing.empty()) << "declining did not say the program will close";
    grabScreen().savePng(shotPath("13-program-will-now-close"));
    ASSERT_TRUE(answerBox("ERROR", "Return", declined));
    ASSERT_TRUE(declined.waitExit(10000, code)) << "the closing box could not be answered";
    EXPECT_EQ(code, 0);
}

// A texture missing, or cut short as a copy that stopped half way or after
// its header, ends the start with the ERROR box and exit code 0; the system's
// own loader is never handed the cut file, which would take it down.
TEST_F(PlayingTheGame, MissingOrCutTextureShowsInitializationFailedAndKeepsTheScoreFile) {
    const auto whole = static_cast<uintmax_t>(std::filesystem::file_size(assetFolder() + "/textures/Menu.bmp"));
    const std::pair<const char*, uintmax_t> cases[] = {{"missing", 0}, {"half", whole / 2}, {"header", 54}};
    for (const auto& [name, kept] : cases) {
        SCOPED_TRACE(name);
        const std::string folder = makeWorkFolder(std::string("texture-") + name, kept > 0);
        if (kept > 0) std::filesystem::resize_file(folder + "/textures/Menu.bmp", kept);
        writeWholeFile(folder + "/scoredata.xml", SampleScoreFile);
        GameProcess game(folder);
        game.start();
        ASSERT_FALSE(findWindow("ERROR", 20000).empty()) << "no ERROR box appeared";
        if (kept == 0) sleepMs(500), grabScreen().savePng(shotPath("10-initialization-failed"));
        ASSERT_TRUE(answerBox("ERROR", "Return", game));
        int code = -1;
        ASSERT_TRUE(game.waitExit(8000, code)) << "the box could not be closed";
        EXPECT_EQ(code, 0);
        EXPECT_EQ(readWholeFile(folder + "/scoredata.xml"), SampleScoreFile);
    }
}

// Under a file-size limit the score file cannot be written, and the line
// saying so goes to standard error, a file under the same limit: both writes
// fail as writes, the game ends as it should and the old file stays.
TEST_F(PlayingTheGame, AFileSizeLimitEndsNoGame) {
    const std::string folder = makeWorkFolder("file-size-limit");
    writeWholeFile(folder + "/scoredata.xml", SampleScoreFile);
    std::vector<std::string> command = {"prlimit", "--fsize=16", "sh", "-c", "exec \"$@\" 2>stderr.txt", "sh"};
    for (const std::string& word : gameCommand()) command.push_back(word);
    GameProcess game(folder, command);
    game.start();
    ASSERT_EQ(visiblePage(waitForPage(PageNewGame, 20000)), PageNewGame) << "the menu never showed";
    key("Escape");
    int code = -1;
    ASSERT_TRUE(game.waitExit(10000, code));
    EXPECT_EQ(code, 0) << "128 + 25 is the file-size signal";
    EXPECT_EQ(readWholeFile(folder + "/scoredata.xml"), SampleScoreFile);
    EXPECT_EQ(std::filesystem::file_size(folder + "/stderr.txt"), 16u) << "the line was never written";
}

// The two ways the game gets installed: by CMake into a prefix, and by the
// Debian package into Debian's games layout. The files listed are those that
// starting the game does not show and the package check does not read.
struct Installation {
    const char* name;
    std::string command;  // followed by the folder to install into
    const char* launcher;
    std::vector<const char*> files;
};

std::vector<Installation> installations() {
    const std::string build = PELMORA_BUILD;
    return {
        {"cmake-install", "cmake --install '" + build + "' --prefix", "bin/pelmora",
         {"share/pelmora/sounds/drop.wav", "share/applications/pelmora.desktop",
          "share/icons/hicolor/scalable/apps/pelmora.svg", "share/icons/hicolor/48x48/apps/pelmora.png",
          "share/man/man6/pelmora.6.gz"}},
        {"debian-package", "dpkg -x '" + build + "/" PELMORA_DEB_FILE "'", "usr/games/pelmora",
         {"usr/share/games/pelmora/sounds/drop.wav", "usr/share/icons/hicolor/scalable/apps/pelmora.svg",
          "usr/share/icons/hicolor/16x16/apps/pelmora.png", "usr/share/icons/hicolor/256x256/apps/pelmora.png"}},
    };
}

TEST_F(PlayingTheGame, InstalledGameStartsInThePlayersDataFolder) {
    namespace fs = std::filesystem;
    int shot = 11;
    for (const Installation& how : installations()) {
        SCOPED_TRACE(how.name);
        const fs::path root = fs::path(PELMORA_BUILD) / "e2e-work" / how.name;
        fs::remove_all(root);
        fs::create_directories(root);
        const std::string install = how.command + " '" + (root / "prefix").string() + "' >/dev/null";
        ASSERT_EQ(std::system(install.c_str()), 0) << install;
        for (const char* file : how.files) EXPECT_TRUE(fs::exists(root / "prefix" / file)) << file;
        fs::create_directories(root / "elsewhere");
        GameProcess game((root / "elsewhere").string(), {(root / "prefix" / how.launcher).string()});
        game.start({{"XDG_DATA_HOME", (root / "data").string()}});
        const Picture menu = waitForPage(PageNewGame, 20000);
        menu.savePng(shotPath(std::to_string(shot++) + "-installed-menu-" + how.name));
        EXPECT_EQ(visiblePage(menu), PageNewGame);
        key("Escape");
        int code = -1;
        ASSERT_TRUE(game.waitExit(10000, code));
        EXPECT_EQ(code, 0);
        // The player's folder holds the score and nothing else.
        std::vector<std::string> kept;
        for (const auto& entry : fs::directory_iterator(root / "data" / "pelmora"))
            kept.push_back(entry.path().filename().string());
        EXPECT_EQ(kept, std::vector<std::string>{"scoredata.xml"});
    }
}

}  // namespace
}  // namespace pelmora::e2e

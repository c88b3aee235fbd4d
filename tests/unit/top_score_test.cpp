#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "scores/top_score.h"

namespace pelmora {
namespace {

namespace fs = std::filesystem;

const std::string Sample =
    "<div id=\"topscore\">\r\n<div id=\"ts_time\">00:03:07</div>\r\n"
    "<div id=\"ts_value\">1234</div>\r\n</div>\r\n";

class ScoreFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("pelmora-score-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        path = (dir / "scoredata.xml").string();
    }
    void TearDown() override { fs::remove_all(dir); }

    void write(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    std::string read() const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    TopScore loaded() {
        TopScore top;
        top.value = {5};
        loadTopScore(top, path);
        return top;
    }
    size_t filesInDir() const {
        return static_cast<size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
    }

    fs::path dir;
    std::string path;
};

bool isZero(const TopScore& t) {
    return t.value == ScoreDigits{0} && t.time == std::array<uint32_t, 6>{};
}

TEST_F(ScoreFile, WritesTheFourLinesByteForByteAndReadsThemBack) {
    TopScore top;
    top.time = {0, 0, 0, 3, 0, 7};
    top.value = {4, 3, 2, 1};
    ASSERT_TRUE(saveTopScore(top, path));
    EXPECT_EQ(read(), Sample);
    const TopScore back = loaded();
    EXPECT_EQ(back.time, top.time);
    EXPECT_EQ(back.value, top.value);
    EXPECT_EQ(filesInDir(), 1u) << "no temporary file may be left behind";
}

TEST_F(ScoreFile, ReadsLineFeedOnlyFilesAndIgnoresTextAroundTheMarkers) {
    write("junk<div id=\"topscore\">\n<div id=\"ts_time\">12:34:56</div>tail\n"
          "<div id=\"ts_value\">0907</div>\n</div>\n");
    const TopScore t = loaded();
    EXPECT_EQ(t.time, (std::array<uint32_t, 6>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(t.value, (ScoreDigits{7, 0, 9, 0})) << "leading zeros are kept as stored";
}

TEST_F(ScoreFile, NonDigitsCountAsZeroAndAnEmptyValueIsZero) {
    write("<div id=\"ts_time\">1x:3?:5!</div><div id=\"ts_value\"></div>");
    TopScore t = loaded();
    EXPECT_EQ(t.time, (std::array<uint32_t, 6>{1, 0, 3, 0, 5, 0}));
    EXPECT_EQ(t.value, ScoreDigits{0});
    write("<div id=\"ts_time\">00:00:00</div><div id=\"ts_value\">4a2</div>");
    EXPECT_EQ(loaded().value, (ScoreDigits{2, 0, 4}));
}

TEST_F(ScoreFile, DamagedFilesFallBackToTheZeroTopScore) {
    EXPECT_TRUE(isZero(loaded())) << "no file";
    const std::vector<std::string> damaged = {
        "",
        "<div id=\"ts_value\">99</div>",                              // no time marker
        "<div id=\"ts_time\">00:00:01</div>",                         // no value marker
        "<div id=\"ts_time\">00:01</div><div id=\"ts_value\">9</div>",  // short time
        "<div id=\"ts_time\">00:00:01<div id=\"ts_value\">9",            // no closing tags
        "<div id=\"ts_time\">00:00:01</div><div id=\"ts_value\">" + std::string(256, '9') +
            "</div>",
        std::string("\0\0\0ts_time\">", 12),
    };
    for (const auto& bytes : damaged) {
        write(bytes);
        EXPECT_TRUE(isZero(loaded())) << bytes.substr(0, 60);
    }
    write("<div id=\"ts_time\">00:00:01</div><div id=\"ts_value\">" + std::string(255, '9') +
          "</div>");
    EXPECT_EQ(loaded().value.size(), 255u) << "255 digits are still a score";
}

TEST_F(ScoreFile, AFailedWriteKeepsTheOldFileWhole) {
    write(Sample);
    TopScore top;
    top.value = ScoreDigits(4000, 9);  // far more than the limit below allows
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 512;  // stands in for a full disk
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = saveTopScore(top, path);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(read(), Sample);
    EXPECT_EQ(filesInDir(), 1u);
}

TEST_F(ScoreFile, AnUnwritableFolderIsReportedAndCreatesNothing) {
    TopScore top;
    EXPECT_FALSE(saveTopScore(top, (dir / "missing" / "scoredata.xml").string()));
}

TEST(TopScoreRule, MoreDigitsWinThenTheFirstDifferingDigitFromTheTop) {
    TopScore top;
    top.value = {9, 9, 8, 1};  // 1899
    EXPECT_TRUE(beatsTopScore(top, {0, 0, 9, 1}));   // 1900
    EXPECT_FALSE(beatsTopScore(top, {9, 9, 8, 1}));  // equal does not beat
    EXPECT_FALSE(beatsTopScore(top, {9, 9, 9}));     // 999
    EXPECT_TRUE(beatsTopScore(top, {0, 0, 0, 0, 1}));
    top.value = {1, 2};                              // 21
    EXPECT_FALSE(beatsTopScore(top, {9, 1}));        // 19
    top.value = {0};
    EXPECT_FALSE(beatsTopScore(top, {0}));
    EXPECT_TRUE(beatsTopScore(top, {1}));
}

TEST(TopScoreRule, StoreCopiesTheElapsedDigitsAndTheWholeScore) {
    GameClock c;
    c.hoursTens = 12; c.hoursUnits = 3; c.minutesTens = 4; c.minutesUnits = 5;
    c.secondsTens = 0; c.secondsUnits = 9;
    TopScore top;
    storeTopScore(top, c, {2, 0, 1});
    EXPECT_EQ(top.time, (std::array<uint32_t, 6>{12, 3, 4, 5, 0, 9}));
    EXPECT_EQ(top.value, (ScoreDigits{2, 0, 1}));
    EXPECT_EQ(topScoreText(top),
              "<div id=\"topscore\">\r\n<div id=\"ts_time\">123:45:09</div>\r\n"
              "<div id=\"ts_value\">102</div>\r\n</div>\r\n");
}

}  // namespace
}  // namespace pelmora

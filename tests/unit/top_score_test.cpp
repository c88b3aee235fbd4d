#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "scores/top_score.h"

// The calls that make a saved file survive a crash, seen on their way to the
// C library while a test listens.
namespace {
std::vector<std::string>* heardCalls = nullptr;
template <typename F>
F realCall(const char* name) { return reinterpret_cast<F>(dlsym(RTLD_NEXT, name)); }
}  // namespace

extern "C" int fsync(int fd) {
    static const auto real = realCall<int (*)(int)>("fsync");
    if (heardCalls) heardCalls->push_back("fsync");
    return real(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept {
    static const auto real = realCall<int (*)(const char*, const char*)>("rename");
    if (heardCalls) heardCalls->push_back("rename");
    return real(from, to);
}

namespace pelmora {
namespace {

namespace fs = std::filesystem;

const std::string Sample =
    "<div id=\"topscore\">\r\n<div id=\"ts_time\">00:03:07</div>\r\n"
    "<div id=\"ts_value\">1234</div>\r\n</div>\r\n";

struct ScoreFile : ::testing::Test {
    const fs::path dir = fs::temp_directory_path() / ("pelmora-score-" + std::to_string(getpid()));
    const std::string path = (dir / "scoredata.xml").string();

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    void write(const std::string& bytes) const { std::ofstream(path, std::ios::binary) << bytes; }
    std::string read() const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void expectLoaded(const TopScore& want, const std::string& what) const {
        TopScore top{{9, 9, 9, 9, 9, 9}, {5}};  // whatever was held before must go
        loadTopScore(top, path);
        EXPECT_EQ(top.time, want.time) << what;
        EXPECT_EQ(top.value, want.value) << what;
    }
};

TEST_F(ScoreFile, AStoredScoreIsWrittenByteForByteAndReadBack) {
    GameClock clock;
    clock.minutesUnits = 3;
    clock.secondsUnits = 7;
    TopScore top;
    storeTopScore(top, clock, {4, 3, 2, 1});
    ASSERT_TRUE(saveTopScore(top, path));
    EXPECT_EQ(read(), Sample);
    expectLoaded(top, Sample);
}

TEST_F(ScoreFile, ReadsLineFeedFilesAndFallsBackToZeroOnAnyDamage) {
    expectLoaded({}, "no file");
    const std::string T = "<div id=\"ts_time\">", V = "</div><div id=\"ts_value\">", E = "</div>";
    const std::pair<std::string, TopScore> cases[] = {
        {"x<div id=\"topscore\">\n" + T + "12:34:56</div>x\n<div id=\"ts_value\">0907</div>\n</div>\n",
         {{1, 2, 3, 4, 5, 6}, {7, 0, 9, 0}}},
        {T + "1x:3?:5!" + V + "4a2" + E, {{1, 0, 3, 0, 5, 0}, {2, 0, 4}}},  // a non-digit is 0
        {T + "00:00:01" + V + E, {{0, 0, 0, 0, 0, 1}, {0}}},
        {T + "00:00:01" + V + std::string(255, '9') + E, {{0, 0, 0, 0, 0, 1}, ScoreDigits(255, 9)}},
        // damaged: no marker, a short time, no closing tag, binary, an overlong value
        {"", {}}, {V + "99" + E, {}}, {T + "00:00:01" + E, {}}, {T + "00:00:1" + V + "9" + E, {}},
        {T + "00:00:01<div id=\"ts_value\">9", {}}, {std::string("\0\0\0ts_time\">", 12), {}},
        {T + "00:00:01" + V + std::string(256, '9') + E, {}},
    };
    for (const auto& [bytes, want] : cases) {
        write(bytes);
        expectLoaded(want, bytes.substr(0, 70));
    }
}

// A file size limit stands in for a full disk.
TEST_F(ScoreFile, AFailedWriteKeepsTheOldFileWhole) {
    write(Sample);
    TopScore top;
    top.value = ScoreDigits(4000, 9);
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 512;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = saveTopScore(top, path);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(read(), Sample);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    EXPECT_FALSE(saveTopScore(top, (dir / "missing" / "scoredata.xml").string()));
}

// The bytes reach the disk before the new file takes the old one's name, and
// the file is an ordinary one anybody may read.
TEST_F(ScoreFile, ASaveIsSyncedBeforeItsRenameAndReadableByAll) {
    std::vector<std::string> calls;
    heardCalls = &calls;
    const bool saved = saveTopScore(TopScore{}, path);
    heardCalls = nullptr;
    ASSERT_TRUE(saved);
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + 2),
              (std::vector<std::string>{"fsync", "rename"}));
    struct stat st{};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
}

TEST(TopScoreRule, MoreDigitsWinThenTheFirstDifferingDigitFromTheTop) {
    const TopScore top{{}, {9, 9, 8, 1}};  // 1899
    EXPECT_TRUE(beatsTopScore(top, {0, 0, 9, 1}) && beatsTopScore(top, {0, 0, 0, 0, 1}));
    EXPECT_FALSE(beatsTopScore(top, {9, 9, 8, 1}) || beatsTopScore(top, {9, 9, 9}) ||
                 beatsTopScore(top, {9, 9, 7, 1}));
}

}  // namespace
}  // namespace pelmora

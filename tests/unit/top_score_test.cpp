#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "scores/top_score.h"
#include "support/files.h"
#include "support/score_sample.h"

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

// Runs work in a child process given a few seconds, so a hang or a fatal
// signal fails the test instead of stopping the suite. Gives the exit code,
// or 128 plus the signal that ended the child.
int inChild(const std::function<int()>& work) {
    const pid_t pid = fork();
    if (pid == 0) {
        alarm(5);
        _exit(work());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

struct ScoreFile : ::testing::Test {
    const fs::path dir = fs::temp_directory_path() / ("pelmora-score-" + std::to_string(getpid()));
    const std::string path = (dir / "scoredata.xml").string();

    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    void write(const std::string& bytes) const { writeWholeFile(path, bytes); }
    size_t entries(const fs::path& folder) const {
        return size_t(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }
    void expectLoaded(const TopScore& want, const std::string& what) const {
        TopScore top{{9, 9, 9, 9, 9, 9}, {5}};  // whatever was held before must go
        loadTopScore(top, path);
        EXPECT_EQ(top.time, want.time) << what;
        EXPECT_EQ(top.value, want.value) << what;
    }
};

TEST_F(ScoreFile, IsWrittenByteForByteReadsLineFeedFilesAndFallsBackToZeroOnAnyDamage) {
    expectLoaded({}, "no file");
    ASSERT_TRUE(saveTopScore(sampleTopScore(), path));
    EXPECT_EQ(readWholeFile(path), SampleScoreFile);
    expectLoaded(sampleTopScore(), SampleScoreFile);
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

// A file-size limit stands in for a full disk. The signal it raises is left
// at its default here: the save ignores it itself.
TEST_F(ScoreFile, AFailedWriteKeepsTheOldFileWhole) {
    write(SampleScoreFile);
    TopScore top;
    top.value = ScoreDigits(4000, 9);
    EXPECT_EQ(inChild([&] {
                  std::signal(SIGXFSZ, SIG_DFL);
                  const rlimit small{512, RLIM_INFINITY};
                  setrlimit(RLIMIT_FSIZE, &small);
                  return saveTopScore(top, path) ? 1 : 0;
              }),
              0);
    EXPECT_EQ(readWholeFile(path), SampleScoreFile);
    EXPECT_EQ(entries(dir), 1u);
    EXPECT_FALSE(saveTopScore(top, (dir / "missing" / "scoredata.xml").string()));
}

// The bytes reach the disk before the new file takes the old one's name, and
// the file is an ordinary one anybody may read.
TEST_F(ScoreFile, ASaveIsSyncedBeforeItsRenameAndReadableByAll) {
    std::vector<std::string> calls;
    heardCalls = &calls;
    const mode_t umaskWas = ::umask(077);  // a strict player still shares the score
    const bool saved = saveTopScore(TopScore{}, path);
    ::umask(umaskWas);
    heardCalls = nullptr;
    ASSERT_TRUE(saved);
    // The file's bytes, the rename, then the folder that holds the rename.
    EXPECT_EQ(calls, (std::vector<std::string>{"fsync", "rename", "fsync"}));
    struct stat st{};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
}

// A device never ends, a FIFO would block start-up for good.
TEST_F(ScoreFile, OnlyARegularFileWithinTheCapIsRead) {
    const TopScore stored = sampleTopScore();
    const std::string& sample = SampleScoreFile;
    const std::pair<std::function<void()>, TopScore> cases[] = {
        {[&] { write(sample); }, stored},
        {[&] { write(sample + std::string((1 << 20) - sample.size(), ' ')); }, stored},
        {[&] { write(sample + std::string((1 << 20) + 1 - sample.size(), ' ')); }, {}},
        {[&] { fs::create_symlink("/dev/zero", path); }, {}},
        {[&] { ASSERT_EQ(mkfifo(path.c_str(), 0644), 0); }, {}},
        {[&] { fs::create_directory(path); }, {}},
    };
    int index = 0;
    for (const auto& [make, want] : cases) {
        ++index;
        fs::remove_all(path);
        make();
        EXPECT_EQ(inChild([&, want = want] {
                      TopScore top{{9, 9, 9, 9, 9, 9}, {5}};
                      loadTopScore(top, path);
                      return top.time == want.time && top.value == want.value ? 0 : 1;
                  }),
                  0)
            << "case " << index;
    }
}

// Kills at every moment of a save, and a score file kept behind links in
// another folder.
TEST_F(ScoreFile, SavesLeaveNoLitterAndKeepLinks) {
    TopScore top;
    top.value = ScoreDigits(4000, 9);
    for (int round = 0; round < 40; ++round) {
        const pid_t pid = fork();
        if (pid == 0) {
            for (;;) saveTopScore(top, path);
        }
        usleep(useconds_t(200 + round * 97 % 3000));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    EXPECT_LE(entries(dir), 2u) << "more than one temporary file left behind";
    ASSERT_TRUE(saveTopScore({}, path));
    EXPECT_EQ(entries(dir), 1u);

    fs::remove(path);
    const fs::path synced = dir / "synced";
    fs::create_directories(synced);
    std::ofstream(synced / "scoredata.xml", std::ios::binary) << "old";
    fs::create_symlink("synced/scoredata.xml", path);
    fs::create_symlink(path, dir / "chained.xml");
    fs::create_symlink(synced / "absent.xml", dir / "dangling.xml");
    for (const char* name : {"scoredata.xml", "chained.xml", "dangling.xml"}) {
        ASSERT_TRUE(saveTopScore({}, (dir / name).string())) << name;
        EXPECT_TRUE(fs::is_symlink(dir / name)) << name;
    }
    EXPECT_EQ(entries(dir), 4u);
    EXPECT_EQ(entries(synced), 2u);
    expectLoaded({}, "through the link");
    EXPECT_EQ(readWholeFile(path), topScoreText({}));
}

TEST(TopScoreRule, MoreDigitsWinThenTheFirstDifferingDigitFromTheTop) {
    const TopScore top{{}, {9, 9, 8, 1}};  // 1899
    EXPECT_TRUE(beatsTopScore(top, {0, 0, 9, 1}) && beatsTopScore(top, {0, 0, 0, 0, 1}));
    EXPECT_FALSE(beatsTopScore(top, {9, 9, 8, 1}) || beatsTopScore(top, {9, 9, 9}) ||
                 beatsTopScore(top, {9, 9, 7, 1}));
}

}  // namespace
}  // namespace pelmora

// Start-up: from exec to the first presented frame, the game against a bare
// SDL2 + GL program that opens the same full-screen window and uploads the
// same four bitmaps, launched in turns in the same run. The frame probe,
// preloaded into both, stamps the first swap and ends the program there, so
// neither program needs a switch of its own. Needs a display.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "platform/monotonic.h"

namespace {

using pelmora::monotonicNs;

// Milliseconds from exec to the probe's stamp, or a negative number when the
// program showed nothing.
double firstFrameMs(const char* program, const std::string& stampFile) {
    std::remove(stampFile.c_str());
    const int64_t start = monotonicNs();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(PELMORA_RUN_DIR) != 0) _exit(127);
        setenv("LD_PRELOAD", PELMORA_FRAME_PROBE, 1);
        setenv("PELMORA_PROBE_FIRST", "1", 1);
        setenv("PELMORA_PROBE_OUT", stampFile.c_str(), 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
    std::ifstream in(stampFile);
    std::string word;
    long long stamp = 0;
    if (!(in >> word >> stamp) || word != "first") return -1;
    return double(stamp - start) / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

void BM_StartupAgainstBareProgram(benchmark::State& state) {
    const std::string stampFile = "/tmp/pelmora_first_frame_" + std::to_string(getpid());
    std::vector<double> game, bare;
    struct Run { const char* program; std::vector<double>* times; };
    Run runs[2] = {{PELMORA_GAME_BINARY, &game}, {PELMORA_BARE_BINARY, &bare}};
    for (auto _ : state) {
        for (const Run& run : runs) {
            const double ms = firstFrameMs(run.program, stampFile);
            if (ms < 0) {
                state.SkipWithError("a program showed no frame (no display?)");
                return;
            }
            run.times->push_back(ms);
        }
        // Take turns at going first, so neither always finds the caches warm.
        std::swap(runs[0], runs[1]);
    }
    std::remove(stampFile.c_str());
    state.counters["game_ms"] = median(game);
    state.counters["bare_ms"] = median(bare);
    state.counters["game_per_bare"] = median(game) / median(bare);
}
BENCHMARK(BM_StartupAgainstBareProgram)->Unit(benchmark::kMillisecond)->Iterations(15);

}  // namespace

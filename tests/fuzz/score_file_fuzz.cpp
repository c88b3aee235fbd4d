// Any bytes at all as the score file: the reader never fails, and what it
// reads writes back to text that reads the same again.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "scores/top_score.h"

namespace {

const std::string& scratchPath() {
    static const std::string path = [] {
        const char* folder = std::getenv("TMPDIR");
        return std::string(folder != nullptr ? folder : "/tmp") + "/pelmora-fuzz-score-" +
               std::to_string(getpid()) + ".xml";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(scratchPath().c_str(), "wb");
    if (file == nullptr) return 0;
    const bool written = std::fwrite(data, 1, size, file) == size;
    if (std::fclose(file) != 0 || !written) return 0;
    pelmora::TopScore top;
    pelmora::loadTopScore(top, scratchPath());
    if (top.value.empty() || top.value.size() > 255) std::abort();
    const pelmora::TopScore again = pelmora::parseTopScore(pelmora::topScoreText(top));
    if (again.time != top.time || again.value != top.value) std::abort();
    return 0;
}

// The seven cues open as wave files, are short and start and end in silence.
#include <cstdlib>
#include <cstring>
#include <vector>

#include <SDL.h>
#include <gtest/gtest.h>

#include "generated.h"

namespace assets_test {
namespace {

const char* const CueFiles[] = {"drop.wav",   "flip.wav", "newgame.wav",     "nodrop.wav",
                                "select.wav", "tick.wav", "unselectable.wav"};

struct Wave {
    SDL_AudioSpec format{};
    std::vector<int16_t> samples;
};

bool loadWave(const std::string& path, Wave& wave) {
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (SDL_LoadWAV(path.c_str(), &wave.format, &buffer, &length) == nullptr) return false;
    wave.samples.resize(length / 2);
    std::memcpy(wave.samples.data(), buffer, wave.samples.size() * 2);
    SDL_FreeWAV(buffer);
    return true;
}

TEST(Sounds, EveryCueIsShortSixteenBitMonoPcm) {
    for (const char* file : CueFiles) {
        Wave wave;
        ASSERT_TRUE(loadWave(runFolder() + "/sounds/" + file, wave)) << file << ": " << SDL_GetError();
        EXPECT_EQ(wave.format.format, AUDIO_S16LSB) << file;
        EXPECT_EQ(wave.format.channels, 1) << file;
        EXPECT_TRUE(wave.format.freq == 22050 || wave.format.freq == 44100) << file;
        const double seconds = static_cast<double>(wave.samples.size()) / wave.format.freq;
        EXPECT_LT(seconds, 0.6) << file;
        EXPECT_GT(seconds, 0.03) << file;
    }
}

// Soft edges: a cue cut off by the next one, or starting, never clicks.
TEST(Sounds, CuesAreAudibleAndFadeInAndOut) {
    for (const char* file : CueFiles) {
        Wave wave;
        ASSERT_TRUE(loadWave(runFolder() + "/sounds/" + file, wave)) << file;
        int peak = 0;
        for (int16_t s : wave.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_GT(peak, 8000) << file;
        EXPECT_LT(std::abs(wave.samples.front()), 200) << file;
        EXPECT_LT(std::abs(wave.samples.back()), 200) << file;
    }
}

TEST(Sounds, CuesSoundDifferent) {
    std::vector<Wave> waves(std::size(CueFiles));
    for (size_t i = 0; i < waves.size(); ++i)
        ASSERT_TRUE(loadWave(runFolder() + "/sounds/" + CueFiles[i], waves[i]));
    for (size_t a = 0; a < waves.size(); ++a)
        for (size_t b = a + 1; b < waves.size(); ++b)
            EXPECT_NE(waves[a].samples, waves[b].samples) << CueFiles[a] << " " << CueFiles[b];
}

}  // namespace
}  // namespace assets_test

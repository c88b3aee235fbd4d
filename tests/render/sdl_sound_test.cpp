// Sound cues on SDL's audio drivers without a sound card: the dummy driver
// plays in real time, the disk driver writes what it plays to a file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "platform/sdl/audio.h"
#include "platform/sdl/sdl_system.h"

namespace pelmora {
namespace {

namespace fs = std::filesystem;

void put(std::ofstream& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>(v >> (8 * i)));
}

// A 16-bit mono tone at 22050 Hz, so the device has to convert it.
void writeWave(const fs::path& path, uint32_t milliseconds) {
    const uint32_t rate = 22050;
    uint32_t frames = rate * milliseconds / 1000;
    std::ofstream out(path, std::ios::binary);
    out << "RIFF";
    put(out, 36 + frames * 2, 4);
    out << "WAVEfmt ";
    for (uint32_t v : {16u, 0x10001u, rate, rate * 2, 0x100002u})
        put(out, v, 4);  // PCM, mono
    out << "data";
    put(out, frames * 2, 4);
    for (uint32_t i = 0; i < frames; ++i) {
        put(out, static_cast<uint16_t>(static_cast<int16_t>(12000 * std::sin(i * 0.125))), 2);
    }
}

bool waitUntilPlayed(const SoundPlayer& player) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (player.queuedBytes() > 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return player.queuedBytes() == 0;
}

class SoundCues : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir_ / "sounds");
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        writeWave(dir_ / "long.wav", 2000);
        writeWave(dir_ / "sounds" / "short.wav", 300);
    }
    void TearDown() override {
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        ::unsetenv("SDL_DISKAUDIOFILE");
        fs::remove_all(dir_);
    }
    fs::path dir_ = fs::temp_directory_path() / ("pelmora_snd_" + std::to_string(::getpid()));
    std::string long_ = (dir_ / "long.wav").string();
    std::string short_ = (dir_ / "sounds" / "short.wav").string();
};

TEST_F(SoundCues, AClipIsConvertedWholePlaysThroughAndIsCutOffByTheNext) {
    SoundPlayer player;
    player.play(short_);
    ASSERT_TRUE(player.hasDevice());
    double seconds = static_cast<double>(player.clipBytes(short_)) / player.bytesPerSecond();
    EXPECT_NEAR(seconds, 0.300, 0.001);  // no tail lost in the conversion
    EXPECT_TRUE(waitUntilPlayed(player));

    player.play(long_);
    ASSERT_GT(player.queuedBytes(), player.clipBytes(short_) * 2);
    player.play(short_);
    EXPECT_GT(player.queuedBytes(), 0u);
    EXPECT_LE(player.queuedBytes(), player.clipBytes(short_));
}

TEST_F(SoundCues, MissingUnreadableFilesAndNoDeviceAreSilent) {
    std::ofstream(dir_ / "noise.wav") << "not a wave at all";
    SoundPlayer player;
    player.play(long_);
    player.play((dir_ / "absent.wav").string());
    EXPECT_EQ(player.queuedBytes(), 0u);
    player.play((dir_ / "noise.wav").string());
    EXPECT_EQ(player.queuedBytes(), 0u);

    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SoundPlayer deaf;
    deaf.play(short_);
    EXPECT_FALSE(deaf.hasDevice());
}

TEST_F(SoundCues, TheDiskDriverWritesTheGamesCueAsConverted) {
    fs::path output = dir_ / "played.raw";
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    std::vector<uint8_t> clip;
    {
        fs::path old = fs::current_path();
        fs::current_path(dir_);
        SdlSystem system;
        system.playSound("sounds\\short.wav");  // as the game writes it
        fs::current_path(old);
        clip = system.sound().clipSamples("sounds/short.wav");
        ASSERT_TRUE(waitUntilPlayed(system.sound()));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the last buffer
    }
    std::ifstream in(output, std::ios::binary);
    std::vector<uint8_t> written{std::istreambuf_iterator<char>(in),
                                 std::istreambuf_iterator<char>()};
    ASSERT_FALSE(clip.empty());
    EXPECT_NE(std::search(written.begin(), written.end(), clip.begin(), clip.end()), written.end());
}

}  // namespace
}  // namespace pelmora

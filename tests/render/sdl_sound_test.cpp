// Sound cues on SDL's audio drivers without a sound card: the dummy driver
// plays in real time, the disk driver writes what it plays to a file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
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

void put16(std::ofstream& out, uint32_t v) {
    char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    out.write(b, 2);
}
void put32(std::ofstream& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// A 16-bit mono tone at 22050 Hz, so the device has to convert it.
void writeWave(const fs::path& path, int milliseconds) {
    const uint32_t rate = 22050;
    uint32_t frames = rate * static_cast<uint32_t>(milliseconds) / 1000;
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    put32(out, 36 + frames * 2);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, frames * 2);
    for (uint32_t i = 0; i < frames; ++i) {
        double s = std::sin(2.0 * 3.14159265358979 * 440.0 * i / rate);
        put16(out, static_cast<uint16_t>(static_cast<int16_t>(s * 12000.0)));
    }
}

class SoundCues : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("pelmora_snd_" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        const char* driver = std::getenv("SDL_AUDIODRIVER");
        savedDriver_ = driver ? driver : "";
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        writeWave(dir_ / "long.wav", 2000);
        writeWave(dir_ / "short.wav", 300);
    }
    void TearDown() override {
        ::setenv("SDL_AUDIODRIVER", savedDriver_.c_str(), 1);
        fs::remove_all(dir_);
    }
    std::string path(const char* name) const { return (dir_ / name).string(); }

    fs::path dir_;
    std::string savedDriver_;
};

bool waitUntilPlayed(const SoundPlayer& player) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (player.queuedBytes() > 0) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

TEST_F(SoundCues, AClipIsConvertedWholeAndPlaysThrough) {
    SoundPlayer player;
    player.play(path("short.wav"));
    ASSERT_TRUE(player.hasDevice());
    ASSERT_GT(player.bytesPerSecond(), 0u);
    double seconds = static_cast<double>(player.clipBytes(path("short.wav"))) / player.bytesPerSecond();
    EXPECT_NEAR(seconds, 0.300, 0.001);  // no tail lost in the conversion
    EXPECT_GT(player.queuedBytes(), 0u);
    EXPECT_TRUE(waitUntilPlayed(player));
}

TEST_F(SoundCues, ANewCueCutsOffTheOnePlaying) {
    SoundPlayer player;
    player.play(path("long.wav"));
    ASSERT_GT(player.queuedBytes(), player.clipBytes(path("short.wav")) * 2);
    player.play(path("short.wav"));
    EXPECT_GT(player.queuedBytes(), 0u);
    EXPECT_LE(player.queuedBytes(), player.clipBytes(path("short.wav")));
}

TEST_F(SoundCues, MissingOrUnreadableFilesPlayNothing) {
    std::ofstream(dir_ / "noise.wav") << "not a wave at all";
    SoundPlayer player;
    player.play(path("long.wav"));
    player.play(path("absent.wav"));
    EXPECT_EQ(player.queuedBytes(), 0u);
    player.play(path("noise.wav"));
    EXPECT_EQ(player.queuedBytes(), 0u);
    EXPECT_EQ(player.clipBytes(path("noise.wav")), 0u);
}

TEST_F(SoundCues, NoSoundDeviceIsSilent) {
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SoundPlayer player;
    player.play(path("short.wav"));
    player.play(path("short.wav"));
    EXPECT_FALSE(player.hasDevice());
    EXPECT_EQ(player.queuedBytes(), 0u);
}

TEST_F(SoundCues, TheDiskDriverWritesTheClipAsConverted) {
    fs::path output = dir_ / "played.raw";
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    std::vector<uint8_t> clip;
    {
        SoundPlayer player;
        player.play(path("short.wav"));
        ASSERT_TRUE(player.hasDevice());
        clip = player.clipSamples(path("short.wav"));
        ASSERT_TRUE(waitUntilPlayed(player));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));  // let the last buffer out
    }
    ::unsetenv("SDL_DISKAUDIOFILE");
    std::ifstream in(output, std::ios::binary);
    std::vector<uint8_t> written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(clip.empty());
    EXPECT_NE(std::search(written.begin(), written.end(), clip.begin(), clip.end()), written.end());
}

TEST_F(SoundCues, GamePathsWithBackslashesAreFound) {
    fs::create_directories(dir_ / "sounds");
    writeWave(dir_ / "sounds" / "drop.wav", 100);
    fs::path old = fs::current_path();
    fs::current_path(dir_);
    SdlSystem system;
    system.playSound("sounds\\drop.wav");
    EXPECT_GT(system.sound().clipBytes("sounds/drop.wav"), 0u);
    fs::current_path(old);
}

}  // namespace
}  // namespace pelmora

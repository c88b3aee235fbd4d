// What the end-to-end tests need to play the real game: start it in a
// folder of its own, drive it with xdotool, look at the screen.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace pelmora::e2e {

// A picture with rows from the top, 3 bytes (RGB) per pixel.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;

    const uint8_t* at(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
    bool savePng(const std::string& path) const;
};

Picture grabScreen();
// A 24-bit bitmap file as a picture (rows from the top).
Picture loadBmp(const std::string& path);

struct Rect {
    double x0, y0, x1, y1;  // top-left origin, pixels
};

// Mean absolute difference per channel between a screen rectangle and a
// texture rectangle stretched over it (nearest sampling on a grid).
double regionDifference(const Picture& screen, Rect onScreen, const Picture& texture, Rect inTexture);
// Mean absolute difference between the same rectangle of two screens.
double screenDifference(const Picture& a, const Picture& b, Rect r);

// Sends one xdotool command line (without the program name).
void xdo(const std::string& args);
void sleepMs(int ms);

// The command that starts the game under test: the Linux build, or the one
// PELMORA_GAME_COMMAND names, words split at spaces, run in the game's
// folder ("wine pelmora.exe").
std::vector<std::string> gameCommand();
// Where the generated textures and sounds are: PELMORA_ASSETS, else the build's.
std::string assetFolder();

class GameProcess {
public:
    explicit GameProcess(std::string folder, std::vector<std::string> command = gameCommand())
        : folder_(std::move(folder)), command_(std::move(command)) {}
    ~GameProcess();
    void start(const std::map<std::string, std::string>& extraEnv = {});
    // Waits for the game to end; false on timeout.
    bool waitExit(int timeoutMs, int& exitCode);
    bool running() const { return pid_ > 0; }

private:
    std::string folder_;
    std::vector<std::string> command_;
    pid_t pid_ = -1;
};

// A fresh working folder holding a copy of the asset folder.
std::string makeWorkFolder(const std::string& name, bool withAllTextures = true);
std::string shotPath(const std::string& name);

}  // namespace pelmora::e2e

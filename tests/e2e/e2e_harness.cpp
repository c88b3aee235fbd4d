#include "e2e/e2e_harness.h"

// Before Xlib, whose macros clash with the game's names.
#include "platform/sdl/bitmap.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace pelmora::e2e {

namespace fs = std::filesystem;

bool Picture::savePng(const std::string& path) const {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = at(x, y);
            row[x] = (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
        }
    }
    cairo_surface_mark_dirty(s);
    const bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

Picture grabScreen() {
    Picture pic;
    // Xvfb now and then refuses a connection under load: ask again before giving up.
    Display* d = XOpenDisplay(nullptr);
    for (int attempt = 0; !d && attempt < 20; ++attempt) {
        sleepMs(100);
        d = XOpenDisplay(nullptr);
    }
    if (!d) return pic;
    const Window root = DefaultRootWindow(d);
    XWindowAttributes attr{};
    XGetWindowAttributes(d, root, &attr);
    XImage* img = XGetImage(d, root, 0, 0, static_cast<unsigned>(attr.width),
                            static_cast<unsigned>(attr.height), AllPlanes, ZPixmap);
    if (img) {
        pic.width = attr.width;
        pic.height = attr.height;
        pic.rgb.resize(static_cast<size_t>(pic.width) * pic.height * 3);
        for (int y = 0; y < pic.height; ++y) {
            for (int x = 0; x < pic.width; ++x) {
                const unsigned long px = XGetPixel(img, x, y);
                uint8_t* out = &pic.rgb[(static_cast<size_t>(y) * pic.width + x) * 3];
                out[0] = static_cast<uint8_t>((px & img->red_mask) >> 16);
                out[1] = static_cast<uint8_t>((px & img->green_mask) >> 8);
                out[2] = static_cast<uint8_t>(px & img->blue_mask);
            }
        }
        XDestroyImage(img);
    }
    XCloseDisplay(d);
    return pic;
}

// Through the game's own loader, turned to rows from the top.
Picture loadBmp(const std::string& path) {
    const Image image = loadBitmapFile(path);
    Picture pic{image.width, image.height, {}};
    const size_t row = static_cast<size_t>(image.width) * 3;
    for (int32_t y = image.height - 1; y >= 0; --y) {
        const auto first = image.pixels.begin() + static_cast<std::ptrdiff_t>(row * y);
        pic.rgb.insert(pic.rgb.end(), first, first + static_cast<std::ptrdiff_t>(row));
    }
    return pic;
}

double regionDifference(const Picture& screen, Rect on, const Picture& tex, Rect in) {
    constexpr int Steps = 40;
    double sum = 0;
    int count = 0;
    for (int j = 0; j < Steps; ++j) {
        for (int i = 0; i < Steps; ++i) {
            const double fx = (i + 0.5) / Steps;
            const double fy = (j + 0.5) / Steps;
            const int sx = static_cast<int>(on.x0 + fx * (on.x1 - on.x0));
            const int sy = static_cast<int>(on.y0 + fy * (on.y1 - on.y0));
            const int tx = static_cast<int>(in.x0 + fx * (in.x1 - in.x0));
            const int ty = static_cast<int>(in.y0 + fy * (in.y1 - in.y0));
            if (sx < 0 || sy < 0 || sx >= screen.width || sy >= screen.height) continue;
            if (tx < 0 || ty < 0 || tx >= tex.width || ty >= tex.height) continue;
            const uint8_t* a = screen.at(sx, sy);
            const uint8_t* b = tex.at(tx, ty);
            for (int c = 0; c < 3; ++c) sum += std::abs(int{a[c]} - int{b[c]});
            count += 3;
        }
    }
    return count ? sum / count : 255.0;
}

double screenDifference(const Picture& a, const Picture& b, Rect r) {
    return regionDifference(a, r, b, r);
}

// Callers check the outcome on the screen, not xdotool's status.
void xdo(const std::string& args) {
    if (std::system(("xdotool " + args + " >/dev/null 2>&1").c_str()) != 0) return;
}

void sleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

GameProcess::~GameProcess() {
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

void GameProcess::start(const std::map<std::string, std::string>& extraEnv) {
    pid_ = fork();
    if (pid_ < 0) throw std::runtime_error("fork failed");
    if (pid_ > 0) return;
    if (chdir(folder_.c_str()) != 0) _exit(127);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    for (const auto& [k, v] : extraEnv) {
        // A library the whole test run preloads stays preloaded for the game.
        const char* before = k == "LD_PRELOAD" ? std::getenv("LD_PRELOAD") : nullptr;
        const std::string value = before != nullptr && *before != '\0' ? v + ":" + before : v;
        setenv(k.c_str(), value.c_str(), 1);
    }
    std::vector<char*> argv;
    for (std::string& word : command_) argv.push_back(word.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
}

std::vector<std::string> gameCommand() {
    const char* asked = std::getenv("PELMORA_GAME_COMMAND");
    if (asked == nullptr || *asked == '\0') return {PELMORA_BINARY};
    std::vector<std::string> words;
    std::istringstream in(asked);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

std::string assetFolder() {
    const char* asked = std::getenv("PELMORA_ASSETS");
    return asked != nullptr && *asked != '\0' ? asked : PELMORA_ASSETS;
}

bool GameProcess::waitExit(int timeoutMs, int& exitCode) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < until) {
        int status = 0;
        const pid_t r = waitpid(pid_, &status, WNOHANG);
        if (r == pid_) {
            pid_ = -1;
            exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            return true;
        }
        sleepMs(50);
    }
    return false;
}

std::string makeWorkFolder(const std::string& name, bool withAllTextures) {
    const fs::path dir = fs::path(PELMORA_BUILD) / "e2e-work" / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    // The whole folder: a player's folder also holds the program itself.
    fs::copy(assetFolder(), dir, fs::copy_options::recursive);
    if (!withAllTextures) fs::remove(dir / "textures" / "Menu.bmp");
    return dir.string();
}

std::string shotPath(const std::string& name) {
    fs::create_directories(PELMORA_SHOTS);
    return (fs::path(PELMORA_SHOTS) / (name + ".png")).string();
}

}  // namespace pelmora::e2e

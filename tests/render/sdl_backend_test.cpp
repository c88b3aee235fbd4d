// The SDL backend of the system seam: bitmaps, key events, the cursor, swaps,
// sound cues on the dummy audio driver, and no display at all.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <GL/gl.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>

#include "platform/sdl/audio.h"
#include "platform/sdl/bitmap.h"
#include "platform/sdl/events.h"
#include "platform/sdl/sdl_system.h"
#include "support/bmp_file.h"
#include "support/files.h"
#include "support/gl_window.h"

namespace pelmora {
namespace {

// A file of this process in the temporary folder.
std::string temp(const std::string& suffix, const std::vector<uint8_t>& bytes) {
    const std::string path = testing::TempDir() + "pelmora_" + std::to_string(getpid()) + suffix;
    writeWholeFile(path, bytes);
    return path;
}

Image load(const std::vector<uint8_t>& bytes) {
    const std::string path = temp(".bmp", bytes);
    Image image = loadBitmapFile(path);
    std::filesystem::remove(path);
    return image;
}

// What an ordinary paint program saves loads, whatever its depth and row
// order, from a file and from memory alike.
TEST(SdlBitmaps, EveryDepthCompressionAndRowOrderComesOutAsTwentyFourBitRows) {
    const bmp::Encoding encodings[] = {
        {1, 0, false, false},  {4, 0, false, true},  {8, 0, false, false}, {8, 1, false, false},
        {16, 0, false, true},  {24, 0, false, false}, {24, 0, false, true}, {24, 0, true, false},
        {32, 0, false, true},  {32, 3, false, false}, {8, 0, true, false}};
    for (const bmp::Encoding& e : encodings)
        for (int width : {1, 2, 3, 5, 9, 1024}) {
            const std::vector<uint8_t> file = bmp::file(e, width, 3);
            const Image image = load(file);
            EXPECT_TRUE(image.loaded && image.width == width && image.height == 3 &&
                        image.pixels == bmp::loaded(e, width, 3))
                << e.bits << " bits, compression " << e.compression << (e.topDown ? ", top-down" : "")
                << ", width " << width;
            EXPECT_EQ(decodeBitmap(file).pixels, image.pixels);
        }
    std::vector<uint8_t> cut = bmp::file(encodings[5], 5, 3);
    cut.resize(cut.size() / 2);  // a copy that stopped half way
    EXPECT_FALSE(load(cut).loaded || loadBitmapFile("/nonexistent/absent.bmp").loaded);
}

// The largest block SDL is asked for while the test listens.
size_t largestBlock = 0;
void* countingMalloc(size_t bytes) { return largestBlock = std::max(largestBlock, bytes), std::malloc(bytes); }

// A few bytes that claim a picture of 16384 by 16384 cost no more than they hold.
TEST(SdlBitmaps, AHeaderClaimingAHugePictureAllocatesNothingForIt) {
    std::vector<uint8_t> huge = bmp::file({24, 0, false, false}, 1, 1);
    huge.resize(54);
    huge[19] = huge[23] = 0x40, huge[18] = huge[22] = 0;
    SDL_malloc_func m;
    SDL_calloc_func c;
    SDL_realloc_func r;
    SDL_free_func f;
    SDL_GetMemoryFunctions(&m, &c, &r, &f);
    SDL_SetMemoryFunctions(countingMalloc, c, r, f);
    EXPECT_FALSE(load(huge).loaded);
    SDL_SetMemoryFunctions(m, c, r, f);
    EXPECT_LT(largestBlock, size_t{1} << 20);
}

SDL_Event key(SDL_Keycode sym, int mod = 0, Uint32 type = SDL_KEYDOWN) {
    SDL_Event e{};
    e.key = {type, 0, 0, 0, 0, 0, 0, {SDL_SCANCODE_UNKNOWN, sym, Uint16(mod), 0}};
    return e;
}

// Any modifier but Alt leaves a key as it is; with Alt it is a system key. A
// click acts when its button comes up; an uncovered window is drawn again.
TEST(SdlEvents, KeysButtonsAndWindowChangesBecomeTheGamesMessages) {
    using K = MessageKind;
    const std::pair<SDL_Keycode, uint32_t> keys[] = {
        {SDLK_RETURN, 0x0D}, {SDLK_KP_ENTER, 0x0D}, {SDLK_ESCAPE, 0x1B}, {SDLK_SPACE, 0x20},
        {SDLK_LEFT, 0x25},   {SDLK_UP, 0x26},       {SDLK_RIGHT, 0x27},  {SDLK_DOWN, 0x28},
        {SDLK_a, 0x41},      {SDLK_z, 0x5A},        {SDLK_F5, 0},        {SDLK_LSHIFT, 0}};
    const std::tuple<Uint32, int, K> ways[] = {
        {SDL_KEYDOWN, KMOD_NUM | KMOD_LSHIFT, K::KeyDown}, {SDL_KEYUP, 0, K::KeyUp},
        {SDL_KEYDOWN, KMOD_LALT, K::SystemKeyDown},        {SDL_KEYUP, KMOD_RALT, K::SystemKeyUp}};
    std::vector<std::tuple<SDL_Event, int, uint32_t>> events;  // kind -1: no message; key 0: any
    for (const auto& [sym, code] : keys)
        for (const auto& [type, mod, kind] : ways)
            events.push_back({key(sym, mod, type), code ? int(kind) : -1, code});
    const struct { Uint32 type; Uint8 detail; int kind; } others[] = {
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, int(K::LeftButtonUp)},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, int(K::RightButtonUp)},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, -1},
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, -1},
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, -1},
        {SDL_WINDOWEVENT, SDL_WINDOWEVENT_EXPOSED, int(K::Paint)},
        {SDL_WINDOWEVENT, SDL_WINDOWEVENT_SIZE_CHANGED, int(K::Size)},
        {SDL_WINDOWEVENT, SDL_WINDOWEVENT_HIDDEN, int(K::Activate)},
    };
    for (const auto& r : others) {
        SDL_Event e{};
        e.type = r.type;
        if (r.type == SDL_WINDOWEVENT) e.window.event = r.detail;
        else e.button.button = r.detail;
        events.push_back({e, r.kind, 0});
    }
    for (const auto& [e, kind, code] : events) {
        bool minimised = false;
        Message m;
        const bool heard = translateEvent(e, minimised, m);
        EXPECT_EQ(heard ? int(m.kind) : -1, kind) << e.type << " " << e.key.keysym.sym;
        EXPECT_TRUE(!heard || !code || m.key == code) << e.key.keysym.sym << " " << e.key.keysym.mod;
    }
}

// In windowed play positions are measured from the window's corner, both ways.
TEST(SdlCursor, ClientPositionsCountFromTheWindowsCorner) {
    SdlSystem system;
    ASSERT_TRUE(system.registerWindowClass("c"));
    ASSERT_TRUE(system.createWindow({"Pelmora", "c", 100, 40, 320, 200, false}));
    int x = 0, y = 0;
    SDL_GetWindowPosition(system.window(), &x, &y);
    ASSERT_TRUE(x == 100 && y == 40) << x << ", " << y;
    const Point screen = system.clientToScreen({5, 7}), client = system.screenToClient(screen);
    EXPECT_TRUE(screen.x == 105 && screen.y == 47 && client.x == 5 && client.y == 7);
    EXPECT_TRUE(system.destroyWindow());
}

double millisecondsFor(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto spent = std::chrono::steady_clock::now() - start;
    return std::chrono::duration<double, std::milli>(spent).count();
}

// Xvfb refuses a swap interval and names no refresh rate: swaps then keep to
// 60 Hz by themselves, never faster. A minimised window, which draws nothing,
// waits a refresh for each event instead of spinning; restored, it polls again.
// A frame that drew nothing stands for a swap: the next empty peek waits for
// the refresh that swap would have waited for, so an idle game spins no
// faster than the display, yet an event that comes meanwhile is taken.
TEST(SdlSwap, RefusedIntervalsMinimisedWindowsAndSkippedSwapsKeepToTheRefresh) {
    GlWindow window;
    ASSERT_EQ(window.open(false), "");
    SdlSystem& system = window.system;
    system.setSwapInterval(1);
    const double period = 1000.0 / 60;
    const double swaps = millisecondsFor([&] {
        for (int i = 0; i <= 30; ++i) {
            glClear(GL_COLOR_BUFFER_BIT);
            system.swapBuffers();
        }
    });
    EXPECT_GE(swaps, 30 * period - 1) << "31 swaps";

    Message m;
    auto emptyPeeks = [&](int n) {
        return millisecondsFor([&] {
            for (int empty = 0; empty < n;) empty += system.peekMessage(m) ? 0 : 1;
        });
    };
    emptyPeeks(1);
    const std::pair<SDL_WindowEventID, bool> changes[] = {{SDL_WINDOWEVENT_MINIMIZED, true},
                                                           {SDL_WINDOWEVENT_RESTORED, false}};
    for (auto [what, minimised] : changes) {
        SDL_Event e{};
        e.window = {SDL_WINDOWEVENT, 0, SDL_GetWindowID(system.window()), Uint8(what), 0, 0, 0, 0, 0};
        ASSERT_EQ(SDL_PushEvent(&e), 1);
        ASSERT_TRUE(system.peekMessage(m));
        EXPECT_TRUE(m.kind == MessageKind::Activate && m.minimised == minimised);
        if (minimised) EXPECT_GE(emptyPeeks(10), 10 * 16 - 1);
        else EXPECT_LT(emptyPeeks(100), 20 * period);  // paced, it would take 100
    }

    while (system.peekMessage(m)) continue;
    const double idle = millisecondsFor([&] {
        for (int frame = 0; frame < 30; ++frame) {
            system.skipSwap();
            while (system.peekMessage(m)) continue;
        }
    });
    EXPECT_GE(idle, 29 * period) << "30 skipped frames";
    std::thread typist([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
        SDL_Event e = key(SDLK_p);
        SDL_PushEvent(&e);
    });
    bool typed = false;
    for (int frame = 0; frame < 100 && !typed; ++frame) {
        system.skipSwap();
        typed = system.peekMessage(m);
    }
    typist.join();
    EXPECT_TRUE(typed && m.kind == MessageKind::KeyDown && m.key == 0x50);
    EXPECT_TRUE(window.close());
}

// A 2 s, 16-bit mono tone at 22050 Hz, so the device has to convert it; the
// header is little-endian words, as the host keeps them.
std::vector<uint8_t> wave() {
    std::vector<int16_t> samples(44100);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = int16_t(12000 * std::sin(double(i) * 0.125));
    const uint32_t header[] = {0x46464952, 36 + 88200, 0x45564157, 0x20746d66, 16,    0x10001,
                               22050,      44100,      0x100002,   0x61746164, 88200};
    std::vector<uint8_t> out(sizeof header + 88200);
    std::memcpy(out.data(), header, sizeof header);
    std::memcpy(out.data() + sizeof header, samples.data(), 88200);
    return out;
}

TEST(SdlSound, AClipPlaysWholeANewCueCutsItAndBadFilesAreSilent) {
    const std::string clip = temp(".wav", wave()), noise = temp(".bad", {'R', 'I', 'F', 'F'});
    std::string cue = clip.substr(0, clip.size() - 4);
    cue[cue.rfind('/')] = '\\';  // as the game writes its paths
    SdlSystem system;
    SoundPlayer& player = system.sound();
    system.playSound(cue + ".wav");
    ASSERT_TRUE(player.hasDevice());
    const size_t bytes = player.clipBytes(clip);
    EXPECT_NEAR(double(bytes) / player.bytesPerSecond(), 2.0, 0.001);  // no tail lost converting
    system.playSound(cue + ".wav");
    EXPECT_TRUE(player.queuedBytes() > bytes / 2 && player.queuedBytes() <= bytes);
    const uint32_t queued = player.queuedBytes();
    SDL_Delay(300);  // the device plays: even the dummy driver takes from the queue
    EXPECT_LT(player.queuedBytes(), queued);
    for (const char* bad : {".absent", ".bad"}) {
        system.playSound(cue + ".wav");
        system.playSound(cue + bad);
        EXPECT_EQ(player.queuedBytes(), 0u) << bad;
    }
    for (const std::string& made : {clip, noise}) std::filesystem::remove(made);
}

// The shell ties the window to the desktop entry (pelmora.desktop) by its
// class, and shows the icon the generator drew beside the textures.
TEST(SdlWindow, ItsClassNamesTheDesktopEntryAndItCarriesTheIcon) {
    const char* run = std::getenv("PELMORA_RUN_DIR");
    ASSERT_NE(run, nullptr) << "PELMORA_RUN_DIR names no folder with the generated textures";
    const std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::current_path(run);
    GlWindow window;
    const std::string opened = window.open(false);
    std::filesystem::current_path(here);
    ASSERT_EQ(opened, "");
    std::string said;
    FILE* xprop = popen("xprop -name Pelmora WM_CLASS _NET_WM_ICON 2>&1", "r");
    char line[256];
    while (xprop != nullptr && fgets(line, sizeof line, xprop) != nullptr) said += line;
    if (xprop != nullptr) pclose(xprop);
    EXPECT_NE(said.find("WM_CLASS(STRING) = \"pelmora\", \"pelmora\""), std::string::npos) << said;
    EXPECT_NE(said.find("Icon (64 x 64)"), std::string::npos) << said.substr(0, 200);
    EXPECT_TRUE(window.close());
}

// Without a display nothing opens and a box's text goes to standard error.
TEST(SdlNoDisplay, BoxesGoToStandardError) {
    const std::string display = std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "";
    ::unsetenv("DISPLAY");
    SdlSystem system;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(system.registerWindowClass("c"));
    const auto answer = system.messageBox("Window Creation Error.", "ERROR", BoxButtons::Ok, BoxIcon::Stop);
    system.messageBox("Program Will Now Close.", "ERROR", BoxButtons::Ok, BoxIcon::Stop);
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, BoxAnswer::Unanswered);
    EXPECT_NE(written.find("ERROR: Window Creation Error.\n"), std::string::npos) << written;
    const size_t said = written.find("no display");
    EXPECT_TRUE(said < written.find("ERROR:") && written.find("no display", said + 1) == std::string::npos)
        << "the missing display is explained once, before the boxes: " << written;
    ::setenv("DISPLAY", display.c_str(), 1);
}

}  // namespace
}  // namespace pelmora

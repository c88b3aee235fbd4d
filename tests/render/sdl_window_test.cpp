// The window and its GL context through the system steps, on the X server
// the test runs under.
#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/sdl/sdl_system.h"

#ifndef GL_CONTEXT_PROFILE_MASK
#define GL_CONTEXT_PROFILE_MASK 0x9126
#define GL_CONTEXT_CORE_PROFILE_BIT 0x00000001
#endif

namespace pelmora {
namespace {

WindowRequest windowed() {
    WindowRequest request;
    request.title = "Pelmora";
    request.className = "_w_Qemmet_j_";
    request.x = 100;
    request.y = 50;
    request.width = 640;
    request.height = 480;
    return request;
}

// The creation steps in the game's order, each of which must succeed.
void openWindow(SdlSystem& system, const WindowRequest& request, uint8_t colourBits = 24) {
    ASSERT_TRUE(system.registerWindowClass(request.className));
    ASSERT_TRUE(system.createWindow(request));
    ASSERT_TRUE(system.acquireDeviceContext());
    int format = system.choosePixelFormat(colourBits, 16);
    ASSERT_NE(format, 0);
    ASSERT_TRUE(system.setPixelFormat(format));
    ASSERT_TRUE(system.createRenderContext());
    ASSERT_TRUE(system.makeRenderContextCurrent(true));
    system.showWindow();
    system.setSwapInterval(1);
}

void closeWindow(SdlSystem& system, const WindowRequest& request) {
    if (request.fullscreen) system.restoreDisplayMode();
    EXPECT_TRUE(system.makeRenderContextCurrent(false));
    EXPECT_TRUE(system.deleteRenderContext());
    EXPECT_TRUE(system.releaseDeviceContext());
    EXPECT_FALSE(system.unregisterWindowClass(request.className));  // the window still stands
    EXPECT_TRUE(system.destroyWindow());
    EXPECT_TRUE(system.unregisterWindowClass(request.className));
}

bool hasCoreBit() {
    int major = 0;
    int minor = 0;
    std::sscanf(reinterpret_cast<const char*>(glGetString(GL_VERSION)), "%d.%d", &major, &minor);
    if (major * 10 + minor < 32) return false;  // no profiles before 3.2
    GLint mask = 0;
    glGetIntegerv(GL_CONTEXT_PROFILE_MASK, &mask);
    return (mask & GL_CONTEXT_CORE_PROFILE_BIT) != 0;
}

// Compiles a green quad over the whole viewport into a display list, calls it
// and reads the middle pixel back.
void expectDisplayListDraws() {
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    GLuint list = glGenLists(1);
    ASSERT_NE(list, 0u);
    glNewList(list, GL_COMPILE);
    glColor3f(0.0f, 1.0f, 0.0f);
    glBegin(GL_QUADS);
    glVertex2f(-1.0f, -1.0f);
    glVertex2f(1.0f, -1.0f);
    glVertex2f(1.0f, 1.0f);
    glVertex2f(-1.0f, 1.0f);
    glEnd();
    glEndList();
    glCallList(list);
    glFinish();
    unsigned char pixel[3] = {1, 1, 1};
    glReadPixels(320, 240, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[0], 0);
    EXPECT_EQ(pixel[1], 255);
    EXPECT_EQ(pixel[2], 0);
    glDeleteLists(list, 1);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(SdlWindow, WindowedLegacyContextDrawsDisplayListsAndTearsDown) {
    SdlSystem system;
    WindowRequest request = windowed();
    openWindow(system, request);
    EXPECT_FALSE(hasCoreBit()) << glGetString(GL_VERSION);
    expectDisplayListDraws();
    system.swapBuffers();
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(system.window(), &w, &h);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    EXPECT_EQ(SDL_GetWindowFlags(system.window()) & SDL_WINDOW_SHOWN, static_cast<Uint32>(SDL_WINDOW_SHOWN));
    closeWindow(system, request);
}

TEST(SdlWindow, SixteenBitColourStillGivesAWorkingContext) {
    SdlSystem system;
    WindowRequest request = windowed();
    openWindow(system, request, 16);
    expectDisplayListDraws();
    closeWindow(system, request);
}

TEST(SdlWindow, FullScreenAtTheScreensOwnSize) {
    SdlSystem system;
    ASSERT_TRUE(system.registerWindowClass("_w_Qemmet_j_"));
    EXPECT_FALSE(system.changeDisplayMode(1023, 767, 24));
    ASSERT_TRUE(system.changeDisplayMode(1024, 768, 24));
    ScreenSize screen = system.primaryScreenSize();
    EXPECT_EQ(screen.width, 1024u);
    EXPECT_EQ(screen.height, 768u);
    WindowRequest request = windowed();
    request.fullscreen = true;
    request.x = 0;
    request.y = 0;
    request.width = 1024;
    request.height = 768;
    openWindow(system, request);
    EXPECT_NE(SDL_GetWindowFlags(system.window()) & SDL_WINDOW_FULLSCREEN, 0u);
    SDL_DisplayMode mode{};
    ASSERT_EQ(SDL_GetWindowDisplayMode(system.window(), &mode), 0);
    EXPECT_EQ(mode.w, 1024);
    EXPECT_EQ(mode.h, 768);
    system.restoreDisplayMode();
    EXPECT_EQ(SDL_GetWindowFlags(system.window()) & SDL_WINDOW_FULLSCREEN, 0u);
    request.fullscreen = false;
    closeWindow(system, request);
}

TEST(SdlWindow, StepsRefuseOutOfOrder) {
    SdlSystem system;
    EXPECT_FALSE(system.createWindow(windowed()));  // the display is not open yet
    EXPECT_FALSE(system.changeDisplayMode(1024, 768, 24));
    ASSERT_TRUE(system.registerWindowClass("c"));
    EXPECT_FALSE(system.acquireDeviceContext());
    EXPECT_EQ(system.choosePixelFormat(24, 16), 0);
    EXPECT_FALSE(system.createRenderContext());
    EXPECT_FALSE(system.makeRenderContextCurrent(true));
    EXPECT_FALSE(system.deleteRenderContext());
    EXPECT_FALSE(system.destroyWindow());
    system.showWindow();
    system.swapBuffers();
    EXPECT_TRUE(system.unregisterWindowClass("c"));
    EXPECT_FALSE(system.unregisterWindowClass("c"));
}

TEST(SdlWindow, ALeftOpenWindowIsClosedByTheDestructor) {
    SdlSystem system;
    openWindow(system, windowed());
}

// Reads messages until the queue stays empty for a moment, so the window's
// own start-up events do not mix with what a test sends.
void drainMessages(SdlSystem& system) {
    Message m;
    for (int quiet = 0; quiet < 3;) {
        if (system.peekMessage(m)) {
            quiet = 0;
        } else {
            ++quiet;
            SDL_Delay(30);
        }
    }
}

TEST(SdlWindow, CursorPositionsFollowTheWindowOrigin) {
    SdlSystem system;
    openWindow(system, windowed());
    drainMessages(system);
    int wx = 0;
    int wy = 0;
    SDL_GetWindowPosition(system.window(), &wx, &wy);
    Point client = system.screenToClient({wx + 200, wy + 150});
    EXPECT_EQ(client.x, 200);
    EXPECT_EQ(client.y, 150);
    Point back = system.clientToScreen(client);
    EXPECT_EQ(back.x, wx + 200);
    EXPECT_EQ(back.y, wy + 150);

    system.setCursorPosition({wx + 200, wy + 150});
    Message m;
    bool moved = false;
    for (int tries = 0; tries < 100 && !moved; ++tries) {
        while (system.peekMessage(m)) {
            if (m.kind == MessageKind::MouseMove && m.x == 200 && m.y == 150) moved = true;
        }
        if (!moved) SDL_Delay(10);
    }
    EXPECT_TRUE(moved);
    Point at = system.cursorPosition();
    EXPECT_EQ(at.x, wx + 200);
    EXPECT_EQ(at.y, wy + 150);
    system.setCursorShape(CursorShape::Wait);
    system.setCursorShape(CursorShape::Arrow);
    system.showCursor(false);
    system.showCursor(true);
}

TEST(SdlTime, TickCountCountsFromSystemStart) {
    SdlSystem system;
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    uint32_t first = system.tickCount();
    auto expected = static_cast<uint32_t>(static_cast<uint64_t>(uptime * 1000.0));
    EXPECT_LT(std::abs(static_cast<int32_t>(first - expected)), 2000) << first << " vs " << expected;
    SDL_Delay(20);
    uint32_t second = system.tickCount();
    EXPECT_GE(second - first, 20u);
    EXPECT_LT(second - first, 0x80000000u);
    EXPECT_NEAR(static_cast<double>(system.calendarSeconds()), static_cast<double>(std::time(nullptr)), 1.0);
}

// Run in a fresh copy of the test program, so the changed environment and
// SDL's start-up are its own.
class NoDisplay : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(NoDisplay, OpeningFailsAndBoxesGoToStandardError) {
    auto run = [] {
        ::unsetenv("DISPLAY");
        ::unsetenv("WAYLAND_DISPLAY");
        ::unsetenv("SDL_VIDEODRIVER");
        SdlSystem system;
        bool opened = system.registerWindowClass("_w_Qemmet_j_");
        BoxAnswer answer = system.messageBox("Failed To Register The Window Class.", "ERROR",
                                             BoxButtons::Ok, BoxIcon::Exclamation);
        std::exit(!opened && answer == BoxAnswer::Unanswered ? 0 : 1);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "ERROR: Failed To Register The Window Class\\.");
}

TEST_F(NoDisplay, AnOffscreenDriverAskedForOpensButShowsNoBoxes) {
    auto run = [] {
        ::setenv("SDL_VIDEODRIVER", "offscreen", 1);
        SdlSystem system;
        bool opened = system.registerWindowClass("_w_Qemmet_j_");
        BoxAnswer answer = system.messageBox("Use Windowed Mode Instead?", "Vask GL",
                                             BoxButtons::YesNo, BoxIcon::Exclamation);
        std::exit(opened && answer == BoxAnswer::Unanswered ? 0 : 1);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "Vask GL: Use Windowed Mode Instead\\?");
}

}  // namespace
}  // namespace pelmora

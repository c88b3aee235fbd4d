// The window and its GL context through the system steps, on the X server
// the test runs under; time; and running without a display.
#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>

#include "platform/sdl/sdl_system.h"

namespace pelmora {
namespace {

constexpr GLenum ProfileMask = 0x9126;  // GL_CONTEXT_PROFILE_MASK, GL 3.2 and later
constexpr GLint CoreProfileBit = 0x1;

WindowRequest request(bool fullscreen) {
    WindowRequest r;
    r.title = "Pelmora";
    r.className = "_w_Qemmet_j_";
    r.x = fullscreen ? 0 : 100;
    r.y = fullscreen ? 0 : 50;
    r.width = fullscreen ? 1024 : 640;
    r.height = fullscreen ? 768 : 480;
    r.fullscreen = fullscreen;
    return r;
}

// The creation steps in the game's order, each of which must succeed.
void openWindow(SdlSystem& system, const WindowRequest& r) {
    ASSERT_TRUE(system.registerWindowClass(r.className));
    if (r.fullscreen) {
        EXPECT_FALSE(system.changeDisplayMode(r.width - 1, r.height - 1, 24));
        ASSERT_TRUE(system.changeDisplayMode(r.width, r.height, 24));
        EXPECT_EQ(system.primaryScreenSize().width, r.width);
    }
    ASSERT_TRUE(system.createWindow(r));
    ASSERT_TRUE(system.acquireDeviceContext());
    int format = system.choosePixelFormat(24, 16);
    ASSERT_NE(format, 0);
    ASSERT_TRUE(system.setPixelFormat(format));
    ASSERT_TRUE(system.createRenderContext());
    ASSERT_TRUE(system.makeRenderContextCurrent(true));
    system.showWindow();
    system.setSwapInterval(1);
}

void closeWindow(SdlSystem& system, const WindowRequest& r) {
    if (r.fullscreen) system.restoreDisplayMode();
    EXPECT_EQ(SDL_GetWindowFlags(system.window()) & SDL_WINDOW_FULLSCREEN, 0u);
    EXPECT_TRUE(system.makeRenderContextCurrent(false));
    EXPECT_TRUE(system.deleteRenderContext());
    EXPECT_TRUE(system.releaseDeviceContext());
    EXPECT_TRUE(system.destroyWindow());
    EXPECT_TRUE(system.unregisterWindowClass(r.className));
}

// A legacy context: no core profile bit, and a display list of immediate-mode
// calls draws a green quad that reads back from the middle of the window.
void expectLegacyDrawing(int width, int height) {
    int major = 0;
    int minor = 0;
    std::sscanf(reinterpret_cast<const char*>(glGetString(GL_VERSION)), "%d.%d", &major, &minor);
    GLint mask = 0;
    if (major * 10 + minor >= 32) glGetIntegerv(ProfileMask, &mask);
    EXPECT_EQ(mask & CoreProfileBit, 0) << glGetString(GL_VERSION);

    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    GLuint list = glGenLists(1);
    glNewList(list, GL_COMPILE);
    glColor3f(0.0f, 1.0f, 0.0f);
    glRectf(-1.0f, -1.0f, 1.0f, 1.0f);
    glEndList();
    glCallList(list);
    unsigned char pixel[3] = {1, 1, 1};
    glReadPixels(width / 2, height / 2, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel);
    EXPECT_EQ(pixel[0] + pixel[1] * 1000 + pixel[2], 255000);
    glDeleteLists(list, 1);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(SdlWindow, WindowedAndFullScreenGiveALegacyContext) {
    for (bool fullscreen : {false, true}) {
        SCOPED_TRACE(fullscreen ? "full screen" : "windowed");
        SdlSystem system;
        WindowRequest r = request(fullscreen);
        openWindow(system, r);
        int w = 0;
        int h = 0;
        SDL_GetWindowSize(system.window(), &w, &h);
        EXPECT_EQ(w * 10000 + h, static_cast<int>(r.width * 10000 + r.height));
        bool isFullscreen = (SDL_GetWindowFlags(system.window()) & SDL_WINDOW_FULLSCREEN) != 0;
        EXPECT_EQ(isFullscreen, fullscreen);
        expectLegacyDrawing(w, h);
        system.swapBuffers();
        closeWindow(system, r);
    }
}

TEST(SdlWindow, CursorPositionsFollowTheWindowOrigin) {
    SdlSystem system;
    openWindow(system, request(false));
    int wx = 0;
    int wy = 0;
    SDL_GetWindowPosition(system.window(), &wx, &wy);
    Point client = system.screenToClient({wx + 200, wy + 150});
    EXPECT_EQ(client.x * 1000 + client.y, 200150);
    Point back = system.clientToScreen(client);
    EXPECT_EQ(back.x * 10000 + back.y, (wx + 200) * 10000 + wy + 150);

    system.setCursorPosition({wx + 200, wy + 150});
    Message m;
    bool moved = false;
    for (int tries = 0; tries < 200 && !moved; ++tries) {
        while (system.peekMessage(m))
            moved = moved || (m.kind == MessageKind::MouseMove && m.x == 200 && m.y == 150);
        if (!moved) SDL_Delay(10);
    }
    EXPECT_TRUE(moved);
    Point at = system.cursorPosition();
    EXPECT_EQ(at.x * 10000 + at.y, (wx + 200) * 10000 + wy + 150);
    system.setCursorShape(CursorShape::Wait);  // the destructor tears the open window down
}

TEST(SdlTime, TickCountCountsFromSystemStart) {
    SdlSystem system;
    double uptime = 0;
    std::ifstream("/proc/uptime") >> uptime;
    uint32_t first = system.tickCount();
    auto expected = static_cast<uint32_t>(static_cast<uint64_t>(uptime * 1000.0));
    EXPECT_LT(std::abs(static_cast<int32_t>(first - expected)), 2000)
        << first << " vs " << expected;
    SDL_Delay(20);
    EXPECT_GE(system.tickCount() - first, 20u);
    EXPECT_NEAR(static_cast<double>(system.calendarSeconds()),
                static_cast<double>(std::time(nullptr)), 1.0);
}

// Run in a fresh copy of the test program, so the changed environment and
// SDL's start-up are its own.
void expectNoBoxes(const char* driver, bool opens, const char* shown) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto run = [&] {
        ::unsetenv("DISPLAY");
        ::unsetenv("WAYLAND_DISPLAY");
        if (driver != nullptr) ::setenv("SDL_VIDEODRIVER", driver, 1);
        SdlSystem system;
        bool opened = system.registerWindowClass("_w_Qemmet_j_");
        BoxAnswer answer = system.messageBox("Use Windowed Mode Instead?", "Vask GL",
                                             BoxButtons::YesNo, BoxIcon::Exclamation);
        std::exit(opened == opens && answer == BoxAnswer::Unanswered ? 0 : 1);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), shown);
}

TEST(NoDisplay, OpeningFailsAndBoxesGoToStandardError) {
    expectNoBoxes(nullptr, false, "Vask GL: Use Windowed Mode Instead\\?");
}

TEST(NoDisplay, AnOffscreenDriverAskedForOpensButShowsNoBoxes) {
    expectNoBoxes("offscreen", true, "Vask GL: Use Windowed Mode Instead\\?");
}

}  // namespace
}  // namespace pelmora

// The Windows backend of the system seam, run under Wine: message
// translation, messages the system sends while it creates and shows the
// window, the GL context steps, bitmaps through the GDI and the score file.
#include <gtest/gtest.h>
#include <windows.h>
// After the system header, which it needs.
#include <GL/gl.h>

#include <algorithm>
#include <filesystem>
#include <iterator>

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_system.h"
#include "scores/line_file.h"
#include "scores/top_score.h"
#include "support/bmp_file.h"
#include "support/files.h"
#include "support/score_sample.h"

namespace pelmora {
namespace {

namespace fs = std::filesystem;

TEST(Win32Messages, WindowMessagesBecomeTheGamesMessages) {
    using K = MessageKind;
    const struct { UINT message; WPARAM w; LPARAM l; K kind; uint32_t key; } cases[] = {
        {WM_KEYDOWN, 'W', 0, K::KeyDown, 'W'},
        {WM_KEYUP, VK_RETURN, 0, K::KeyUp, vk::Enter},
        {WM_SYSKEYDOWN, VK_F4, 0, K::SystemKeyDown, VK_F4},
        {WM_SYSKEYUP, 'P', 0, K::SystemKeyUp, 'P'},
        {WM_CLOSE, 0, 0, K::Close, 0},
        {WM_SIZE, SIZE_RESTORED, MAKELPARAM(1024, 768), K::Size, 0},
        {WM_MOUSEMOVE, 0, MAKELPARAM(12, 700), K::MouseMove, 0},
        {WM_LBUTTONUP, 0, MAKELPARAM(-3, -40), K::LeftButtonUp, 0},
        {WM_RBUTTONUP, 0, MAKELPARAM(1023, 0), K::RightButtonUp, 0},
        {WM_PAINT, 0, 0, K::Paint, 0},  // an uncovered window is drawn again
        {WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5), K::Other, 0},
    };
    for (const auto& c : cases) {
        const Message m = translateWindowMessage(c.message, c.w, c.l);
        EXPECT_TRUE(m.kind == c.kind && m.key == c.key) << c.message;
    }
    EXPECT_TRUE(translateWindowMessage(WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0).minimised);
    EXPECT_FALSE(translateWindowMessage(WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0).minimised);
    const std::pair<WPARAM, SystemCommandKind> commands[] = {
        {SC_SCREENSAVE, SystemCommandKind::ScreenSaver},
        {SC_MONITORPOWER, SystemCommandKind::MonitorPower},
        {SC_MINIMIZE, SystemCommandKind::Other},
        {SC_CLOSE, SystemCommandKind::Other}};
    for (const auto& [command, kind] : commands)
        EXPECT_EQ(translateWindowMessage(WM_SYSCOMMAND, command, 0).command, kind) << command;
}

// A game stand-in: records what reaches it and handles what the game handles.
struct Recorder {
    std::vector<Message> seen;
    Win32System* system = nullptr;
    int32_t operator()(const Message& m) {
        seen.push_back(m);
        if (m.kind == MessageKind::Close) system->postQuitMessage(7);
        const bool swallowed = m.kind == MessageKind::SystemCommand &&
                               m.command != SystemCommandKind::Other;
        return m.kind == MessageKind::SystemCommand && !swallowed ? MessageLeftToSystem : 0;
    }
    bool saw(MessageKind kind) const {
        return std::any_of(seen.begin(), seen.end(), [kind](const Message& m) { return m.kind == kind; });
    }
};

struct Win32Window : ::testing::Test {
    Win32System system;
    Recorder recorder;
    WindowRequest request{"Pelmora test", "PelmoraTestClass", 40, 30, 320, 240, false};

    void SetUp() override {
        recorder.system = &system;
        system.setWindowProcedure([this](const Message& m) { return recorder(m); });
        ASSERT_TRUE(system.registerWindowClass(request.className));
    }
    void TearDown() override {
        system.destroyWindow();
        system.unregisterWindowClass(request.className);
    }
    HWND window() { return system.handles().window; }
    // Takes and dispatches every waiting message; gives the quit code, or -1.
    int pump() {
        Message m;
        while (system.peekMessage(m)) {
            if (m.kind == MessageKind::Quit) return m.exitCode;
            system.dispatchMessage(m);
        }
        return -1;
    }
};

TEST_F(Win32Window, MessagesSentWhileShowingReachTheGameAtOnceAndCloseCarriesTheQuitCode) {
    ASSERT_TRUE(system.createWindow(request));
    // A hidden window gets its first size message when it is shown.
    system.showWindow();
    EXPECT_TRUE(recorder.saw(MessageKind::Size)) << "no size message during ShowWindow";
    EXPECT_TRUE(recorder.saw(MessageKind::Activate)) << "no activation during ShowWindow";
    RECT client{}, outer{};
    GetClientRect(window(), &client), GetWindowRect(window(), &outer);
    EXPECT_EQ(std::make_pair(client.right, client.bottom), std::make_pair(320L, 240L)) << "client area";
    EXPECT_EQ(std::make_pair(outer.left, outer.top), std::make_pair(40L, 30L)) << "window's corner";
    // The cursor maps through the client area's origin.
    const Point origin = system.clientToScreen({0, 0});
    EXPECT_EQ(system.screenToClient({origin.x + 5, origin.y + 6}).x, 5);
    EXPECT_GT(origin.y, outer.top) << "a windowed window has a caption";

    // Swallowed commands return 0; a handled close carries the quit code.
    recorder.seen.clear();
    EXPECT_EQ(SendMessageA(window(), WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    EXPECT_EQ(SendMessageA(window(), WM_SYSCOMMAND, SC_MONITORPOWER, 2), 0);
    ASSERT_EQ(recorder.seen.size(), 2u);
    PostMessageA(window(), WM_KEYDOWN, 'P', 0);
    PostMessageA(window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(pump(), 7);
    EXPECT_TRUE(recorder.saw(MessageKind::KeyDown));
    EXPECT_TRUE(IsWindow(window())) << "a handled close must not destroy the window";
}

TEST_F(Win32Window, TheGlContextStepsSucceedAndTearDownInOrder) {
    ASSERT_TRUE(system.createWindow(request));
    ASSERT_TRUE(system.acquireDeviceContext());
    const int format = system.choosePixelFormat(24, 16);
    ASSERT_NE(format, 0);
    ASSERT_TRUE(system.setPixelFormat(format));
    ASSERT_TRUE(system.createRenderContext());
    ASSERT_TRUE(system.makeRenderContextCurrent(true));
    system.setSwapInterval(1);
    system.swapBuffers();
    EXPECT_EQ(wglGetCurrentDC(), system.handles().deviceContext);
    // The surface the game asked for: double-buffered RGB with a depth buffer.
    GLint depth = 0, red = 0;
    GLboolean doubled = GL_FALSE;
    glGetIntegerv(GL_DEPTH_BITS, &depth), glGetIntegerv(GL_RED_BITS, &red), glGetBooleanv(GL_DOUBLEBUFFER, &doubled);
    EXPECT_TRUE(depth >= 16 && red == 8 && doubled) << depth << " depth, " << red << " red bits";
    EXPECT_TRUE(system.makeRenderContextCurrent(false));
    EXPECT_TRUE(system.deleteRenderContext());
    EXPECT_FALSE(system.deleteRenderContext()) << "deleted twice";
    EXPECT_TRUE(system.releaseDeviceContext());
    EXPECT_TRUE(system.destroyWindow());
    EXPECT_FALSE(system.destroyWindow());
    EXPECT_TRUE(system.unregisterWindowClass(request.className));
    EXPECT_FALSE(system.unregisterWindowClass(request.className));
    ASSERT_TRUE(system.registerWindowClass(request.className));  // for TearDown
}

std::string tempPath(const std::string& name) {
    return (fs::temp_directory_path() / ("pelmora_" + std::to_string(GetCurrentProcessId()) + name))
        .string();
}

// Wine's loader gives top-down files as black pictures, so only bottom-up
// files are checked pixel for pixel.
TEST(Win32Bitmaps, AnyWidthAndDepthComeOutPackedBottomUp) {
    Win32System system;
    const std::string path = tempPath(".bmp");
    for (int bits : {24, 32})
        for (int width : {1, 2, 3, 5, 1024}) {
            writeWholeFile(path, bmp::file({bits, 0, false, false}, width, 3));
            const Image image = system.loadBitmap(path);
            EXPECT_TRUE(image.loaded && image.width == width && image.height == 3 &&
                        image.pixels == bmp::loaded({bits, 0, false, false}, width, 3))
                << width << " wide, " << bits << " bits";
            writeWholeFile(path, bmp::file({bits, 0, false, true}, width, 3));
            const Image topDown = system.loadBitmap(path);
            EXPECT_TRUE(topDown.loaded && topDown.height == 3 &&
                        topDown.pixels.size() == image.pixels.size());
        }
    writeWholeFile(path, std::string("BM\0\0", 4));
    EXPECT_FALSE(system.loadBitmap(path).loaded);
    fs::remove(path);
    EXPECT_FALSE(system.loadBitmap("textures\\Absent.bmp").loaded);
}

TEST(Win32ScoreFile, WrittenAsFourCrLfLinesOverTheOldFileAndReadBack) {
    const fs::path dir = tempPath("-scores");
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string path = (dir / "scoredata.xml").string();
    writeWholeFile(path, std::vector<uint8_t>(200, 'x'));  // longer than the new file
    const TopScore top = sampleTopScore();
    ASSERT_TRUE(saveTopScore(top, path));
    EXPECT_EQ(readWholeFile(path), SampleScoreFile);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << "temporary left";
    TopScore back{{9, 9, 9, 9, 9, 9}, {5}};
    loadTopScore(back, path);
    EXPECT_EQ(back.time, top.time);
    EXPECT_EQ(back.value, top.value);

    // A folder where the file should be: nothing is read, nothing replaced.
    const std::string folder = (dir / "folder.xml").string();
    fs::create_directories(folder);
    LineFile asFile{folder, {"kept"}};
    EXPECT_FALSE(asFile.load());
    EXPECT_FALSE(asFile.save());
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_FALSE(saveTopScore(top, (dir / "missing" / "scoredata.xml").string()));
    writeWholeFile(path, std::vector<uint8_t>((1 << 20) + 1, 'x'));
    LineFile tooLarge{path, {}};
    EXPECT_FALSE(tooLarge.load()) << "a file far too large for a score file";
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace pelmora

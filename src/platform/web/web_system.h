// The system seam in a browser page: the canvas with a WebGL2 context, the
// page's key, mouse, focus and visibility events, Web Audio, an in-page
// dialog, and the packaged files.
//
// The main loop runs as it does on the desktop, unchanged, under ASYNCIFY:
// where the game would block (a swap waiting for the display, the idle wait
// after a skipped swap, a message box waiting for its answer) the program
// is suspended, the browser gets its turn, and the program resumes where it
// stood. So messages and frame work keep exactly the desktop's order, and
// the message boxes keep blocking until answered.
//
// What a page cannot do as the seam (system.h) describes, and what is done
// instead:
//  - No window classes, device contexts or pixel formats: those steps succeed
//    while the page has its canvas, "#canvas"; creating the window sizes it.
//  - No display modes: the full-screen request always succeeds and makes the
//    canvas fill the page at 4:3, letterboxed, so the windowed-mode question
//    never comes. The screen is then the game's 1024 by 768 client area, and
//    screen and client coordinates are the same.
//  - The canvas is drawn at the device's pixel density (its drawing buffer is
//    its size on the page times devicePixelRatio), while the game's client
//    units stay those of the window it asked for, wherever the page scales
//    the canvas. A change of either size comes as a size and a paint message.
//  - The pointer cannot be moved: setting the cursor's position sets the
//    position it reports until the pointer next moves, so the centring at a
//    new game holds. Showing it and its shapes are the canvas's CSS cursor.
//  - No refresh to wait on but the next animation frame: a swap waits for it,
//    and so does an empty queue after a skipped swap. A hidden page gets no
//    animation frames, so it waits until shown again.
//  - Minimised is hidden: focus and visibility changes are the activation.
//  - The tick count is the page's monotonic clock in milliseconds, counted
//    from the calendar's epoch at the page's start; calendar seconds are the
//    page's clock (Date.now), so a page whose clock is fixed deals the same.
//  - Sound plays only once the page has been clicked or typed into, as
//    browsers demand; cues before that are silent.
//  - Bitmaps are decoded here (24-bit, uncompressed, the kind the game ships)
//    after the shared header check.
//  - Message boxes are a dialog over the canvas, "#pelmora-dialog".
//  - The page can be closed at any moment without the program ending, so
//    files must be kept as soon as they are written: the score file lives in
//    the page's storage (IndexedDB), loaded before the program starts and
//    stored again by persistFiles.
#pragma once

#include <cstdint>
#include <string>

#include "platform/system.h"
#include "platform/web/web_events.h"

namespace pelmora {

class WebSystem : public System {
public:
    WebSystem();
    ~WebSystem() override;
    WebSystem(const WebSystem&) = delete;
    WebSystem& operator=(const WebSystem&) = delete;

    uint32_t tickCount() override;
    int64_t calendarSeconds() override;

    void playSound(const std::string& path) override;

    bool peekMessage(Message& out) override;
    void postQuitMessage(int exitCode) override;

    Point cursorPosition() override;
    Point screenToClient(Point screen) override { return screen; }
    Point clientToScreen(Point client) override { return client; }
    void setCursorPosition(Point screen) override;
    void showCursor(bool show) override;
    void setCursorShape(CursorShape shape) override;

    ScreenSize primaryScreenSize() override { return screen_; }
    bool changeDisplayMode(uint32_t width, uint32_t height, uint8_t colourBits) override;
    void restoreDisplayMode() override;

    bool registerWindowClass(const std::string& className) override;
    bool unregisterWindowClass(const std::string& className) override;
    bool createWindow(const WindowRequest& request) override;
    bool destroyWindow() override;
    bool acquireDeviceContext() override { return window_; }
    bool releaseDeviceContext() override { return window_; }
    int choosePixelFormat(uint8_t colourBits, uint8_t depthBits) override;
    bool setPixelFormat(int format) override;
    bool createRenderContext() override;
    bool makeRenderContextCurrent(bool current) override;
    bool deleteRenderContext() override;
    void showWindow() override;
    // Frames come with the page's animation frames; there is no interval to set.
    void setSwapInterval(int) override {}
    void swapBuffers() override;
    void skipSwap() override { idle_ = true; }

    BoxAnswer messageBox(const std::string& text, const std::string& caption, BoxButtons buttons,
                         BoxIcon icon) override;

    Image loadBitmap(const std::string& path) override;

    bool mayCloseWithoutNotice() override { return true; }
    void persistFiles() override;

private:
    bool takeMessage(Message& out);
    void applyCursor();

    PageEvents events_;
    ScreenSize screen_{1024, 768};
    bool classRegistered_ = false;
    bool window_ = false;
    bool depthBuffer_ = true;
    intptr_t context_ = 0;  // EMSCRIPTEN_WEBGL_CONTEXT_HANDLE
    bool idle_ = false;     // the last frame drew nothing
    bool quitPosted_ = false;
    int quitCode_ = 0;
    bool cursorShown_ = true;
    CursorShape cursorShape_ = CursorShape::Arrow;
};

// Tells the page that the program has ended with the given code, as the
// page's own exit hook (Module.onExit) would be told of a program that
// never waited.
void announceProgramEnd(int exitCode);

}  // namespace pelmora

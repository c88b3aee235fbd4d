// The system seam on SDL2: one window with a legacy GL context, the event
// queue, the cursor, display modes, dialogs, sound cues and bitmaps.
//
// What SDL cannot do as the seam (system.h) describes, and what is done instead:
//  - No window classes: registering one starts the video subsystem,
//    unregistering stops it; the desktop learns the window's class (X11's
//    WM_CLASS) from SDL's environment at video start.
//  - No device contexts: acquiring one only says the window exists. A pixel
//    format is a set of buffer bits fixed when the window is made, so other
//    bits mean making the hidden window again.
//  - The pointer off the window: SDL keeps it clamped at the window's edge, so
//    its position is then asked of the display. Showing it is a flag, not a
//    count.
//  - No system queue: SDL's events are polled and translated, a posted quit
//    comes once they are all taken, and the wait after a skipped swap is
//    SDL_WaitEventTimeout until the refresh it stood for.
//  - A swap interval the driver refuses: the swap sleeps to the display's next
//    refresh itself (60 Hz where the display names none).
//  - The tick count is CLOCK_BOOTTIME in milliseconds, steps of 1 ms.
//  - No sound by file name: the wave is read, converted and queued on SDL's
//    audio device, opened at the first cue; paths get forward slashes.
//  - Message boxes belong to the window while it exists; with no display to
//    show them on, the text goes to standard error.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/frame_pacer.h"
#include "platform/system.h"

struct SDL_Window;
struct SDL_Cursor;

namespace pelmora {

class SoundPlayer;

class SdlSystem : public System {
public:
    SdlSystem();
    ~SdlSystem() override;
    SdlSystem(const SdlSystem&) = delete;
    SdlSystem& operator=(const SdlSystem&) = delete;

    uint32_t tickCount() override;
    int64_t calendarSeconds() override;

    void playSound(const std::string& path) override;

    bool peekMessage(Message& out) override;
    void postQuitMessage(int exitCode) override;

    Point cursorPosition() override;
    Point screenToClient(Point screen) override;
    Point clientToScreen(Point client) override;
    void setCursorPosition(Point screen) override;
    void showCursor(bool show) override;
    void setCursorShape(CursorShape shape) override;

    ScreenSize primaryScreenSize() override;
    bool changeDisplayMode(uint32_t width, uint32_t height, uint8_t colourBits) override;
    void restoreDisplayMode() override;

    bool registerWindowClass(const std::string& className) override;
    bool unregisterWindowClass(const std::string& className) override;
    bool createWindow(const WindowRequest& request) override;
    bool destroyWindow() override;
    bool acquireDeviceContext() override;
    bool releaseDeviceContext() override;
    int choosePixelFormat(uint8_t colourBits, uint8_t depthBits) override;
    bool setPixelFormat(int format) override;
    bool createRenderContext() override;
    bool makeRenderContextCurrent(bool current) override;
    bool deleteRenderContext() override;
    void showWindow() override;
    void setSwapInterval(int interval) override;
    void swapBuffers() override;
    void skipSwap() override;

    BoxAnswer messageBox(const std::string& text, const std::string& caption, BoxButtons buttons,
                         BoxIcon icon) override;

    Image loadBitmap(const std::string& path) override;

    SDL_Window* window() const { return window_; }
    SoundPlayer& sound() { return *sound_; }

private:
    // The GL buffer layout a window is built for.
    struct PixelLayout {
        int red = 8;
        int green = 8;
        int blue = 8;
        int depth = 16;
        bool operator==(const PixelLayout& o) const {
            return red == o.red && green == o.green && blue == o.blue && depth == o.depth;
        }
    };
    // The full-screen mode picked by changeDisplayMode.
    struct ChosenMode {
        bool chosen = false;
        uint32_t format = 0;
        int width = 0;
        int height = 0;
        int refreshRate = 0;
    };

    bool videoReady() const { return videoStarted_; }
    bool startVideo();
    void stopVideo();
    void applyCursor();
    void freeCursors();
    Point windowOrigin() const;
    SDL_Window* openWindow(const WindowRequest& request, const PixelLayout& layout);
    bool takeEvent(Message& out);
    bool waitForEvent(Message& out);
    int displayRefreshHz() const;

    std::unique_ptr<SoundPlayer> sound_;
    bool videoStarted_ = false;
    bool noDisplaySaid_ = false;  // the explanation is printed once, not for every box after it
    SDL_Window* window_ = nullptr;
    void* context_ = nullptr;  // SDL_GLContext
    WindowRequest request_;
    PixelLayout windowLayout_;
    PixelLayout chosenLayout_;
    ChosenMode mode_;
    bool fullscreen_ = false;
    bool minimised_ = false;
    bool quitPosted_ = false;
    int quitCode_ = 0;
    bool cursorShown_ = true;
    CursorShape cursorShape_ = CursorShape::Arrow;
    SDL_Cursor* arrow_ = nullptr;
    SDL_Cursor* wait_ = nullptr;
    // The swap interval the driver refused, kept by waiting in swapBuffers (0: none).
    int pacedInterval_ = 0;
    FramePacer pacer_;
    // Until when the next empty peek may wait, after a skipped swap (0: no wait).
    int64_t idleUntilNs_ = 0;
};

}  // namespace pelmora

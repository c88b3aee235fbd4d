// The system seam on the Windows desktop interfaces themselves: one window
// with a legacy GL context, the thread's message queue, the cursor, display
// modes, message boxes, sound cues by file name and bitmaps through the GDI.
//
// Where Windows differs from what the seam (system.h) describes:
//  - The tick count (GetTickCount) steps in the timer's resolution: 10 to
//    16 ms on Windows and under Wine.
//  - The system calls the window procedure itself, also inside CreateWindowExA
//    and ShowWindow; dispatchMessage hands the taken message back to it.
//  - ShowCursor counts up and down instead of setting a flag.
//  - The swap interval is an extension a driver may lack; without it the game
//    runs unsynced. The wait after a skipped swap is MsgWaitForMultipleObjectsEx
//    in whole milliseconds, until the refresh GetDeviceCaps names (60 Hz for
//    the hardware's default).
//  - Message boxes have no owner window.
//  - The bitmap loader trusts the file's header: the shared check goes first.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/system.h"

namespace pelmora {

struct Win32Handles;

class Win32System : public System {
public:
    Win32System();
    ~Win32System() override;
    Win32System(const Win32System&) = delete;
    Win32System& operator=(const Win32System&) = delete;

    uint32_t tickCount() override;
    int64_t calendarSeconds() override;

    void playSound(const std::string& path) override;

    bool peekMessage(Message& out) override;
    void postQuitMessage(int exitCode) override;
    void dispatchMessage(const Message& message) override;

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

    // Called by the real window procedure, also while the system is inside
    // CreateWindowExA or ShowWindow; gives the game's result.
    int32_t deliver(const Message& message);
    Win32Handles& handles() { return *handles_; }

private:
    bool waitForMessage();

    std::unique_ptr<Win32Handles> handles_;
};

}  // namespace pelmora

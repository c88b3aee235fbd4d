// The game's door to the operating system for time, sound, messages, the
// cursor, the screen, the window with its GL context, message boxes and
// bitmaps; drawing goes through the Renderer and the score file through each
// system's own file calls. A backend per system implements it (SDL2 on Linux,
// the desktop's own interfaces on Windows); tests use a fake that scripts
// messages and the clock. It speaks the game's language: virtual-key codes
// with the classic desktop values, the game's own message kinds, paths
// written with backslashes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "values/image.h"

namespace pelmora {

namespace vk {
constexpr uint32_t Enter = 0x0D;
constexpr uint32_t Escape = 0x1B;
constexpr uint32_t Space = 0x20;
constexpr uint32_t Left = 0x25;
constexpr uint32_t Up = 0x26;
constexpr uint32_t Right = 0x27;
constexpr uint32_t Down = 0x28;
// Letters use their upper-case character code: 'A' is 0x41 ... 'Z' is 0x5A.
constexpr uint32_t letter(char upper) { return static_cast<uint32_t>(upper); }
}  // namespace vk

enum class MessageKind {
    Activate,       // minimised says whether the window was minimised
    SystemCommand,  // command says which
    Close,
    KeyDown,        // key holds the virtual-key code
    KeyUp,
    SystemKeyDown,  // keys pressed together with Alt: never recorded
    SystemKeyUp,
    Size,
    Paint,          // part of the window was uncovered and must be drawn again
    MouseMove,
    LeftButtonUp,
    RightButtonUp,
    Quit,           // exitCode holds the code posted with it
    Other,          // none of the above: the system's default handling applies
};

enum class SystemCommandKind { ScreenSaver, MonitorPower, Other };

struct Message {
    MessageKind kind = MessageKind::Quit;
    uint32_t key = 0;
    bool minimised = false;
    SystemCommandKind command = SystemCommandKind::Other;
    int exitCode = 0;
};

// A message of the given kind, every other field at its default.
inline Message messageOf(MessageKind kind) {
    Message m;
    m.kind = kind;
    return m;
}

// The result of a message the game leaves to the system's default handling.
constexpr int32_t MessageLeftToSystem = 1;

// The game's window procedure: handles one message and gives 0, or
// MessageLeftToSystem.
using WindowProcedure = std::function<int32_t(const Message&)>;

struct Point {
    int32_t x = 0;
    int32_t y = 0;
};

struct ScreenSize {
    uint32_t width = 0;
    uint32_t height = 0;
};

enum class BoxButtons { Ok, YesNo };
enum class BoxIcon { Exclamation, Stop, Information };
enum class BoxAnswer { Ok, Yes, No, Unanswered };
enum class CursorShape { Arrow, Wait };

struct WindowRequest {
    std::string title;
    std::string className;
    int32_t x = 0;
    int32_t y = 0;
    uint32_t width = 0;   // client area
    uint32_t height = 0;
    bool fullscreen = false;
};

class System {
public:
    virtual ~System() = default;

    // Time: milliseconds since the system started, wrapping at 2^32.
    virtual uint32_t tickCount() = 0;
    // Calendar time in whole seconds; seeds the deal.
    virtual int64_t calendarSeconds() = 0;

    // Plays a wave file asynchronously, cutting off the one playing.
    // A missing or unreadable file, or no sound device, plays nothing.
    virtual void playSound(const std::string& path) = 0;

    // Takes one message; false when the queue is empty. It waits only after
    // skipSwap, or while the window is minimised: then for the next message
    // or the display's next refresh, whichever comes first.
    virtual bool peekMessage(Message& out) = 0;
    virtual void postQuitMessage(int exitCode) = 0;
    // Hands a taken message to the window procedure. A backend whose system
    // calls the procedure itself (during window creation, for one) routes
    // those calls there too; the others deliver every message through here.
    virtual void setWindowProcedure(WindowProcedure procedure) { procedure_ = std::move(procedure); }
    virtual void dispatchMessage(const Message& message) {
        if (procedure_) procedure_(message);
    }

    virtual Point cursorPosition() = 0;  // screen coordinates
    virtual Point screenToClient(Point screen) = 0;
    virtual Point clientToScreen(Point client) = 0;
    virtual void setCursorPosition(Point screen) = 0;
    virtual void showCursor(bool show) = 0;
    virtual void setCursorShape(CursorShape shape) = 0;

    virtual ScreenSize primaryScreenSize() = 0;
    virtual bool changeDisplayMode(uint32_t width, uint32_t height, uint8_t colourBits) = 0;
    virtual void restoreDisplayMode() = 0;

    // Window and GL context, one step per call so that each failure can be
    // reported with its own message. The context is a legacy one: display
    // lists and immediate mode must work. What each step means on SDL2:
    //   registerWindowClass    start the video subsystem (fails without a display)
    //   unregisterWindowClass  stop it; refused while the window exists
    //   changeDisplayMode      choose a full-screen mode of exactly that size
    //   restoreDisplayMode     leave full screen
    //   createWindow           create the window, hidden, for a GL context
    //   acquire/releaseDeviceContext  nothing to do: true while the window exists
    //   choosePixelFormat      pick the colour and depth bits (always format 1)
    //   setPixelFormat         rebuild the hidden window if those bits changed
    //   createRenderContext    create the GL context
    //   makeRenderContextCurrent, deleteRenderContext, swapBuffers: as named
    //   showWindow             show, raise and focus the window
    virtual bool registerWindowClass(const std::string& className) = 0;
    virtual bool unregisterWindowClass(const std::string& className) = 0;
    virtual bool createWindow(const WindowRequest& request) = 0;
    virtual bool destroyWindow() = 0;
    virtual bool acquireDeviceContext() = 0;
    virtual bool releaseDeviceContext() = 0;
    virtual int choosePixelFormat(uint8_t colourBits, uint8_t depthBits) = 0;  // 0: none
    virtual bool setPixelFormat(int format) = 0;
    virtual bool createRenderContext() = 0;
    virtual bool makeRenderContextCurrent(bool current) = 0;
    virtual bool deleteRenderContext() = 0;
    virtual void showWindow() = 0;  // show, bring to the front, take the focus
    virtual void setSwapInterval(int interval) = 0;
    // Where the driver refused the interval, waits for the display's refresh itself.
    virtual void swapBuffers() = 0;
    // Stands for the swap of a frame that drew nothing, since the window
    // already shows its picture: the next peekMessage may wait until the
    // refresh that swap would have waited for.
    virtual void skipSwap() = 0;

    // Shows a message box and waits for the answer. Where no box can be shown
    // the text goes to standard error and the answer is Unanswered.
    virtual BoxAnswer messageBox(const std::string& text, const std::string& caption,
                                 BoxButtons buttons, BoxIcon icon) = 0;

    virtual Image loadBitmap(const std::string& path) = 0;

    // Whether the program may be ended without being told, as a browser tab
    // is closed or reloaded: then what must outlive it is written at once,
    // not at exit.
    virtual bool mayCloseWithoutNotice() { return false; }
    // Makes the files written so far outlive the program, where the system
    // keeps them apart from its disk (a page's storage); elsewhere nothing.
    virtual void persistFiles() {}

protected:
    WindowProcedure procedure_;
};

}  // namespace pelmora

// A scripted system for tests: a settable clock, queued messages, a cursor,
// and a record of every cue, box and cursor move the game asked for.
#pragma once

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/system.h"

namespace pelmora {

struct RecordedBox {
    std::string text;
    std::string caption;
    BoxButtons buttons;
    BoxIcon icon;
};

class FakeSystem : public System {
public:
    uint32_t ticks = 100000;
    int64_t seconds = 1700000000;
    std::vector<std::string> cues;
    std::deque<Message> messages;
    Point cursor{512, 384};       // screen coordinates
    Point clientOrigin{0, 0};     // where the client area lies on the screen
    std::vector<Point> cursorMoves;
    std::vector<CursorShape> cursorShapes;
    std::vector<bool> cursorShows;
    ScreenSize screen{1024, 768};
    bool displayModeWorks = true;
    bool displayModeRestored = false;
    std::vector<RecordedBox> boxes;
    std::deque<BoxAnswer> boxAnswers;  // answers to give, in order; Ok when empty
    std::set<std::string> failingSteps;  // names of window steps that fail
    std::vector<std::string> steps;      // window steps in the order called
    WindowRequest lastWindow;
    int swaps = 0;
    std::map<std::string, Image> bitmaps;  // path as the game writes it

    void press(uint32_t key) { messages.push_back(keyMessage(MessageKind::KeyDown, key)); }
    void release(uint32_t key) { messages.push_back(keyMessage(MessageKind::KeyUp, key)); }
    static Message keyMessage(MessageKind kind, uint32_t key);
    static Message simple(MessageKind kind);

    uint32_t tickCount() override { return ticks; }
    int64_t calendarSeconds() override { return seconds; }
    void playSound(const std::string& path) override { cues.push_back(path); }
    bool peekMessage(Message& out) override;
    void postQuitMessage(int exitCode) override;
    Point cursorPosition() override { return cursor; }
    Point screenToClient(Point p) override { return {p.x - clientOrigin.x, p.y - clientOrigin.y}; }
    Point clientToScreen(Point p) override { return {p.x + clientOrigin.x, p.y + clientOrigin.y}; }
    void setCursorPosition(Point screenPoint) override;
    void showCursor(bool show) override { cursorShows.push_back(show); }
    void setCursorShape(CursorShape shape) override { cursorShapes.push_back(shape); }
    ScreenSize primaryScreenSize() override { return screen; }
    bool changeDisplayMode(uint32_t width, uint32_t height, uint8_t colourBits) override;
    void restoreDisplayMode() override;
    bool registerWindowClass(const std::string&) override { return step("registerWindowClass"); }
    bool unregisterWindowClass(const std::string&) override { return step("unregisterWindowClass"); }
    bool createWindow(const WindowRequest& request) override;
    bool destroyWindow() override { return step("destroyWindow"); }
    bool acquireDeviceContext() override { return step("acquireDeviceContext"); }
    bool releaseDeviceContext() override { return step("releaseDeviceContext"); }
    int choosePixelFormat(uint8_t, uint8_t) override { return step("choosePixelFormat") ? 1 : 0; }
    bool setPixelFormat(int) override { return step("setPixelFormat"); }
    bool createRenderContext() override { return step("createRenderContext"); }
    bool makeRenderContextCurrent(bool current) override;
    bool deleteRenderContext() override { return step("deleteRenderContext"); }
    void showWindow() override { step("showWindow"); }
    void setSwapInterval(int) override { step("setSwapInterval"); }
    void swapBuffers() override { ++swaps; }
    BoxAnswer messageBox(const std::string& text, const std::string& caption, BoxButtons buttons,
                         BoxIcon icon) override;
    Image loadBitmap(const std::string& path) override;

private:
    bool step(const std::string& name);
};

}  // namespace pelmora

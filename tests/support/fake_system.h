// A scripted system for tests: a settable clock, queued messages, a cursor,
// and a record of every cue, window step, bitmap and box the game asked for.
#pragma once

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/system.h"
#include "platform/textures.h"

namespace pelmora {

struct RecordedBox { std::string text, caption; BoxButtons buttons; BoxIcon icon; };

class FakeSystem : public System {
public:
    uint32_t ticks = 100000;
    int64_t seconds = 1700000000;
    std::vector<std::string> cues;
    std::deque<Message> messages;
    Point cursor{512, 384};  // the client area fills the screen
    std::vector<CursorShape> cursorShapes;
    std::vector<bool> cursorShows;  // every show-cursor call, in order
    ScreenSize screen{1024, 768};
    std::set<std::string> failingSteps;  // window steps that fail, "changeDisplayMode" too
    std::vector<std::string> steps;      // window steps, bitmaps and boxes in the order asked
    std::vector<RecordedBox> boxes;
    BoxAnswer answer = BoxAnswer::Ok;  // to every box
    WindowRequest lastWindow;
    std::pair<int, int> pixelBits{0, 0};  // colour and depth bits asked for
    int swaps = 0;
    int swapInterval = -1;  // the last one asked for
    int skippedSwaps = 0;
    uint32_t refreshMs = 17;  // what a wait after a skipped swap takes off the clock
    std::map<std::string, Image> bitmaps;  // by the path as the game writes it

    // The four start-up pictures, each this image.
    void provideTextures(const Image& image = {true, {1, 2, 3, 4, 5, 6}, 2, 1}) {
        for (const char* name : {TextureMenu, TextureSubMenuPlots, TextureCubeSurface, TextureCardTextureMap})
            bitmaps[std::string("textures\\") + name + ".bmp"] = image;
    }

    uint32_t tickCount() override { return ticks; }
    int64_t calendarSeconds() override { return seconds; }
    void playSound(const std::string& path) override { cues.push_back(path); }
    // After a skipped swap an empty queue waits out the refresh.
    bool peekMessage(Message& out) override {
        if (messages.empty()) {
            if (waiting) ticks += refreshMs;
            waiting = false;
            return false;
        }
        out = messages.front();
        messages.pop_front();
        return true;
    }
    void postQuitMessage(int exitCode) override {
        messages.push_back({MessageKind::Quit});
        messages.back().exitCode = exitCode;
    }
    Point cursorPosition() override { return cursor; }
    Point screenToClient(Point p) override { return p; }
    Point clientToScreen(Point p) override { return p; }
    void setCursorPosition(Point p) override { cursor = p; }
    void showCursor(bool show) override { cursorShows.push_back(show); }
    void setCursorShape(CursorShape shape) override { cursorShapes.push_back(shape); }
    ScreenSize primaryScreenSize() override { return screen; }
    bool changeDisplayMode(uint32_t, uint32_t, uint8_t) override { return step("changeDisplayMode"); }
    void restoreDisplayMode() override { step("restoreDisplayMode"); }
    bool registerWindowClass(const std::string&) override { return step("registerWindowClass"); }
    bool unregisterWindowClass(const std::string&) override { return step("unregisterWindowClass"); }
    bool createWindow(const WindowRequest& r) override {
        lastWindow = r;
        return step("createWindow");
    }
    bool destroyWindow() override { return step("destroyWindow"); }
    bool acquireDeviceContext() override { return step("acquireDeviceContext"); }
    bool releaseDeviceContext() override { return step("releaseDeviceContext"); }
    int choosePixelFormat(uint8_t colour, uint8_t depth) override {
        pixelBits = {colour, depth};
        return step("choosePixelFormat") ? 1 : 0;
    }
    bool setPixelFormat(int) override { return step("setPixelFormat"); }
    bool createRenderContext() override { return step("createRenderContext"); }
    bool makeRenderContextCurrent(bool on) override { return step(on ? "makeCurrent" : "releaseCurrent"); }
    bool deleteRenderContext() override { return step("deleteRenderContext"); }
    void showWindow() override { step("showWindow"); }
    void setSwapInterval(int interval) override {
        swapInterval = interval;
        step("setSwapInterval");
    }
    void swapBuffers() override { ++swaps; }
    void skipSwap() override {
        ++skippedSwaps;
        waiting = true;
    }
    BoxAnswer messageBox(const std::string& text, const std::string& caption, BoxButtons buttons,
                         BoxIcon icon) override {
        boxes.push_back({text, caption, buttons, icon});
        step("box " + text);
        return answer;
    }
    Image loadBitmap(const std::string& path) override {
        step("loadBitmap " + path);
        return bitmaps.count(path) ? bitmaps[path] : Image{};
    }

private:
    bool waiting = false;

    bool step(const std::string& name) {
        steps.push_back(name);
        return failingSteps.count(name) == 0;
    }
};

}  // namespace pelmora

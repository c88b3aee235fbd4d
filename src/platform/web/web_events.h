// The page's key, mouse, focus and visibility events, turned into the game's
// messages as they come and kept in order until the main loop takes them.
#pragma once

#include <cstdint>
#include <deque>

#include "platform/system.h"

namespace pelmora {

// The element the game draws on and measures the pointer against.
constexpr const char* CanvasSelector = "#canvas";

class PageEvents {
public:
    PageEvents() = default;
    ~PageEvents() { stopListening(); }
    PageEvents(const PageEvents&) = delete;
    PageEvents& operator=(const PageEvents&) = delete;

    void listen();
    // Gives the page back its keys, once the program has ended.
    void stopListening();
    // While a dialog is open the page's keys and clicks are the dialog's.
    void setPaused(bool paused) { paused_ = paused; }
    bool paused() const { return paused_; }
    // The game's client area, which the pointer is measured in wherever the
    // page scales the canvas.
    void setClientSize(uint32_t width, uint32_t height);

    void post(const Message& message);
    // viewX and viewY: the pointer in CSS pixels from the top left corner of the browser's view.
    void postPointer(MessageKind kind, double viewX, double viewY);
    // The oldest message; a pointer message also moves the position the
    // cursor reports, so that position follows the messages taken.
    bool take(Message& out);
    Point pointer() const { return pointer_; }
    // Reported until the pointer next moves.
    void placePointer(Point at) { pointer_ = at; }

private:
    struct Entry {
        Message message;
        bool pointed = false;
        Point at;
    };

    std::deque<Entry> queue_;
    Point pointer_;
    uint32_t clientWidth_ = 1024;
    uint32_t clientHeight_ = 768;
    bool paused_ = false;
    bool listening_ = false;
};

}  // namespace pelmora

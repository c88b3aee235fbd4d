#include "platform/web/web_system.h"

#include <emscripten/emscripten.h>

#include <cmath>

#include "platform/web/web_audio.h"
#include "platform/web/web_files.h"

namespace pelmora {
namespace {

EM_JS(double, pageStartMs, (), { return performance.timeOrigin; });

EM_JS(double, pageCalendarSeconds, (), { return Math.floor(Date.now() / 1000); });

EM_JS(void, setCanvasCursor, (const char* cursor), {
    const canvas = document.querySelector("#canvas");
    if (canvas) canvas.style.cursor = UTF8ToString(cursor);
});

EM_JS(void, tellPageOfExit, (int code), {
    if (Module["onExit"]) Module["onExit"](code);
});

}  // namespace

WebSystem::WebSystem() {
    events_.listen();
    startAudioOnFirstGesture();
}

WebSystem::~WebSystem() {
    if (context_ > 0) deleteRenderContext();
}

// Counted from the epoch at the page's start, so that like the desktop's
// count since the system started it is far from 0 and the key delay's first
// stamp of 0 lets the first key act at once.
uint32_t WebSystem::tickCount() {
    const double ms = std::floor(pageStartMs() + emscripten_get_now());
    return static_cast<uint32_t>(static_cast<uint64_t>(ms));
}

int64_t WebSystem::calendarSeconds() { return static_cast<int64_t>(pageCalendarSeconds()); }

void WebSystem::playSound(const std::string& path) { playClip(packagedPath(path)); }

Image WebSystem::loadBitmap(const std::string& path) { return loadPackagedBitmap(packagedPath(path)); }

Point WebSystem::cursorPosition() { return events_.pointer(); }

void WebSystem::setCursorPosition(Point screen) { events_.placePointer(screen); }

void WebSystem::showCursor(bool show) {
    cursorShown_ = show;
    applyCursor();
}

void WebSystem::setCursorShape(CursorShape shape) {
    cursorShape_ = shape;
    applyCursor();
}

void WebSystem::applyCursor() {
    if (!cursorShown_) {
        setCanvasCursor("none");
    } else {
        setCanvasCursor(cursorShape_ == CursorShape::Wait ? "wait" : "default");
    }
}

void announceProgramEnd(int exitCode) { tellPageOfExit(exitCode); }

}  // namespace pelmora

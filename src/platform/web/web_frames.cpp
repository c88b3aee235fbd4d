// The message queue and the frames' pace. Here the program yields to the
// browser, as it does otherwise only for a message box and while the score
// file is stored: the page's events arrive while it waits for the next
// animation frame.
#include <emscripten/emscripten.h>

#include "platform/monotonic.h"
#include "platform/web/web_canvas.h"
#include "platform/web/web_system.h"

namespace pelmora {
namespace {

// Also counts the frames shown, when the first came, and the time spent
// between animation frames, for the page's tests and benchmark.
EM_ASYNC_JS(void, awaitAnimationFrame, (int presented), {
    const now = performance.now();
    if (presented) {
        window.pelmoraFrames = (window.pelmoraFrames || 0) + 1;
        if (window.pelmoraFrames === 1) window.pelmoraFirstFrameMs = now;
        window.pelmoraLastFrameMs = now;
        if (window.pelmoraResumedMs) {
            const spent = now - window.pelmoraResumedMs;
            window.pelmoraDrawnFramesMs = (window.pelmoraDrawnFramesMs || 0) + spent;
        }
    }
    await new Promise(requestAnimationFrame);
    window.pelmoraResumedMs = performance.now();
});

constexpr int64_t NsPerMs = 1000000;

}  // namespace

int64_t monotonicNs() { return static_cast<int64_t>(emscripten_get_now() * NsPerMs); }

// A new size of the canvas comes first, as the size and paint messages a
// desktop window gets; like the desktop's quit message, a posted quit comes
// only once every other message has been taken.
bool WebSystem::takeMessage(Message& out) {
    if (window_ && canvasResized()) {
        events_.post(messageOf(MessageKind::Size));
        events_.post(messageOf(MessageKind::Paint));
    }
    if (events_.take(out)) return true;
    if (!quitPosted_) return false;
    quitPosted_ = false;
    out = messageOf(MessageKind::Quit);
    out.exitCode = quitCode_;
    return true;
}

// After a frame that drew nothing no swap paces the loop: it waits for the
// next animation frame, and the events that came meanwhile, instead of
// spinning.
bool WebSystem::peekMessage(Message& out) {
    if (takeMessage(out)) return true;
    if (!idle_) return false;
    idle_ = false;
    awaitAnimationFrame(0);
    return takeMessage(out);
}

void WebSystem::postQuitMessage(int exitCode) {
    quitPosted_ = true;
    quitCode_ = exitCode;
}

// The page shows the frame once the program gives the browser its turn.
void WebSystem::swapBuffers() {
    if (window_) awaitAnimationFrame(1);
}

}  // namespace pelmora

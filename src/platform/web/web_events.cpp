#include "platform/web/web_events.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <cmath>

#include "platform/web/web_keys.h"

namespace pelmora {
namespace {

const char* const PageWindow = EMSCRIPTEN_EVENT_TARGET_WINDOW;

// The canvas's place on the page (left, top, width, height in CSS pixels),
// as it is shown now.
EM_JS(int, readCanvasRect, (double* rect), {
    const canvas = document.querySelector("#canvas");
    if (!canvas) return 0;
    const shown = canvas.getBoundingClientRect();
    HEAPF64.set([shown.left, shown.top, shown.width, shown.height], rect >> 3);
    return 1;
});

// A right click drops the selection; the page's own menu must not open over
// the game.
EM_JS(void, suppressContextMenu, (), {
    const canvas = document.querySelector("#canvas");
    if (canvas) canvas.addEventListener("contextmenu", event => event.preventDefault());
});

PageEvents& eventsOf(void* userData) { return *static_cast<PageEvents*>(userData); }

// Keys pressed with Alt are system keys, never recorded, as on the desktop.
// Only the game's own keys lose their default action, and not together with
// Ctrl, Alt or the command key: those belong to the browser.
EM_BOOL onKey(int type, const EmscriptenKeyboardEvent* key, void* userData) {
    PageEvents& events = eventsOf(userData);
    const uint32_t code = virtualKeyFor(key->key, key->code);
    if (events.paused() || code == 0) return EM_FALSE;
    const bool down = type == EMSCRIPTEN_EVENT_KEYDOWN;
    Message message;
    if (key->altKey) {
        message.kind = down ? MessageKind::SystemKeyDown : MessageKind::SystemKeyUp;
    } else {
        message.kind = down ? MessageKind::KeyDown : MessageKind::KeyUp;
    }
    message.key = code;
    events.post(message);
    const bool browserCombination = key->ctrlKey || key->altKey || key->metaKey;
    return isGameKey(code) && !browserCombination ? EM_TRUE : EM_FALSE;
}

EM_BOOL onMouseMove(int, const EmscriptenMouseEvent* mouse, void* userData) {
    PageEvents& events = eventsOf(userData);
    if (!events.paused()) events.postPointer(MessageKind::MouseMove, mouse->clientX, mouse->clientY);
    return EM_FALSE;
}

// Buttons other than the left and the right one mean nothing to the game.
EM_BOOL onMouseUp(int, const EmscriptenMouseEvent* mouse, void* userData) {
    PageEvents& events = eventsOf(userData);
    if (events.paused() || (mouse->button != 0 && mouse->button != 2)) return EM_FALSE;
    const MessageKind kind = mouse->button == 0 ? MessageKind::LeftButtonUp : MessageKind::RightButtonUp;
    events.postPointer(kind, mouse->clientX, mouse->clientY);
    return EM_TRUE;
}

// A hidden page counts as a minimised window; one merely out of focus stays
// active, as a covered window does.
void postActivation(PageEvents& events, bool hidden) {
    Message message;
    message.kind = MessageKind::Activate;
    message.minimised = hidden;
    events.post(message);
}

bool pageHidden() {
    EmscriptenVisibilityChangeEvent visibility{};
    return emscripten_get_visibility_status(&visibility) == EMSCRIPTEN_RESULT_SUCCESS && visibility.hidden;
}

EM_BOOL onFocus(int, const EmscriptenFocusEvent*, void* userData) {
    postActivation(eventsOf(userData), pageHidden());
    return EM_FALSE;
}

EM_BOOL onVisibility(int, const EmscriptenVisibilityChangeEvent* visibility, void* userData) {
    postActivation(eventsOf(userData), visibility->hidden);
    return EM_FALSE;
}

}  // namespace

void PageEvents::listen() {
    if (listening_) return;
    listening_ = true;
    emscripten_set_keydown_callback(PageWindow, this, EM_TRUE, onKey);
    emscripten_set_keyup_callback(PageWindow, this, EM_TRUE, onKey);
    // Moves are followed over the whole page, so a pointer in the letterbox
    // beside the canvas still lies beyond its edge.
    emscripten_set_mousemove_callback(PageWindow, this, EM_TRUE, onMouseMove);
    emscripten_set_mouseup_callback(CanvasSelector, this, EM_TRUE, onMouseUp);
    emscripten_set_focus_callback(PageWindow, this, EM_TRUE, onFocus);
    emscripten_set_blur_callback(PageWindow, this, EM_TRUE, onFocus);
    emscripten_set_visibilitychange_callback(this, EM_TRUE, onVisibility);
    suppressContextMenu();
}

void PageEvents::stopListening() {
    if (!listening_) return;
    listening_ = false;
    emscripten_html5_remove_all_event_listeners();
}

void PageEvents::setClientSize(uint32_t width, uint32_t height) {
    clientWidth_ = width;
    clientHeight_ = height;
}

void PageEvents::post(const Message& message) { queue_.push_back({message, false, {}}); }

// The page gives the pointer in CSS pixels from the view's corner; the game
// wants its own client units from the canvas's corner, however large it is shown.
void PageEvents::postPointer(MessageKind kind, double viewX, double viewY) {
    double shown[4] = {};
    if (readCanvasRect(shown) == 0 || shown[2] <= 0 || shown[3] <= 0) return;
    Point at;
    at.x = static_cast<int32_t>(std::floor((viewX - shown[0]) * clientWidth_ / shown[2]));
    at.y = static_cast<int32_t>(std::floor((viewY - shown[1]) * clientHeight_ / shown[3]));
    queue_.push_back({messageOf(kind), true, at});
}

bool PageEvents::take(Message& out) {
    if (queue_.empty()) return false;
    const Entry entry = queue_.front();
    queue_.pop_front();
    if (entry.pointed) pointer_ = entry.at;
    out = entry.message;
    return true;
}

}  // namespace pelmora

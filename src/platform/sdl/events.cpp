#include "platform/sdl/events.h"

namespace pelmora {
namespace {

bool translateKey(const SDL_KeyboardEvent& key, Message& out) {
    uint32_t code = virtualKeyFor(key.keysym.sym);
    if (code == 0) return false;
    bool down = key.type == SDL_KEYDOWN;
    // Keys pressed together with Alt are system keys, which the game never records.
    if ((key.keysym.mod & KMOD_ALT) != 0) {
        out = messageOf(down ? MessageKind::SystemKeyDown : MessageKind::SystemKeyUp);
    } else {
        out = messageOf(down ? MessageKind::KeyDown : MessageKind::KeyUp);
    }
    out.key = code;
    return true;
}

bool activation(bool minimised, Message& out) {
    out = messageOf(MessageKind::Activate);
    out.minimised = minimised;
    return true;
}

// Losing the focus is reported as the desktop does, with the minimised state
// as it stands, so a window that is merely covered keeps the game running.
bool translateWindowEvent(const SDL_WindowEvent& window, bool& minimised, Message& out) {
    switch (window.event) {
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_HIDDEN:
        minimised = true;
        return activation(minimised, out);
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
    case SDL_WINDOWEVENT_SHOWN:
        minimised = false;
        return activation(minimised, out);
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_FOCUS_LOST:
        return activation(minimised, out);
    case SDL_WINDOWEVENT_CLOSE:
        out = messageOf(MessageKind::Close);
        return true;
    case SDL_WINDOWEVENT_EXPOSED:
        out = messageOf(MessageKind::Paint);
        return true;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        out = messageOf(MessageKind::Size);
        return true;
    default:
        return false;
    }
}

bool translateButton(const SDL_MouseButtonEvent& button, Message& out) {
    if (button.button == SDL_BUTTON_LEFT) {
        out = messageOf(MessageKind::LeftButtonUp);
        return true;
    }
    if (button.button == SDL_BUTTON_RIGHT) {
        out = messageOf(MessageKind::RightButtonUp);
        return true;
    }
    return false;
}

}  // namespace

uint32_t virtualKeyFor(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) return static_cast<uint32_t>(key - SDLK_a) + 0x41;
    if (key >= SDLK_0 && key <= SDLK_9) return static_cast<uint32_t>(key - SDLK_0) + 0x30;
    switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return vk::Enter;
    case SDLK_ESCAPE:
        return vk::Escape;
    case SDLK_SPACE:
        return vk::Space;
    case SDLK_LEFT:
        return vk::Left;
    case SDLK_UP:
        return vk::Up;
    case SDLK_RIGHT:
        return vk::Right;
    case SDLK_DOWN:
        return vk::Down;
    default:
        return 0;
    }
}

bool translateEvent(const SDL_Event& event, bool& minimised, Message& out) {
    switch (event.type) {
    case SDL_QUIT:
        out = messageOf(MessageKind::Close);
        return true;
    case SDL_WINDOWEVENT:
        return translateWindowEvent(event.window, minimised, out);
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        return translateKey(event.key, out);
    case SDL_MOUSEMOTION:
        out = messageOf(MessageKind::MouseMove);
        return true;
    case SDL_MOUSEBUTTONUP:
        return translateButton(event.button, out);
    default:
        return false;
    }
}

}  // namespace pelmora

#include <SDL.h>

#include "platform/sdl/events.h"
#include "platform/sdl/sdl_system.h"

namespace pelmora {

bool SdlSystem::takeEvent(Message& out) {
    if (!videoReady()) return false;
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        if (translateEvent(event, minimised_, out)) return true;
    }
    return false;
}

// Like the desktop's quit message, it comes only once every other waiting
// message has been taken.
bool SdlSystem::peekMessage(Message& out) {
    if (takeEvent(out)) return true;
    if (!quitPosted_) return false;
    quitPosted_ = false;
    out = Message{};
    out.kind = MessageKind::Quit;
    out.exitCode = quitCode_;
    return true;
}

void SdlSystem::postQuitMessage(int exitCode) {
    quitPosted_ = true;
    quitCode_ = exitCode;
}

}  // namespace pelmora

// SDL events as the game's window messages: key codes, system keys, window
// state, mouse, and the quit message coming last.
#include <SDL.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/sdl/events.h"
#include "platform/sdl/sdl_system.h"

namespace pelmora {
namespace {

SDL_Event event(Uint32 type, int32_t a = 0, int32_t b = 0, int32_t c = 0) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_KEYDOWN || type == SDL_KEYUP) {
        e.key.keysym.sym = a;
        e.key.keysym.mod = static_cast<Uint16>(b);
    } else if (type == SDL_WINDOWEVENT) {
        e.window.event = static_cast<Uint8>(a);
        e.window.data1 = b;
        e.window.data2 = c;
    } else if (type == SDL_MOUSEMOTION) {
        e.motion.x = a;
        e.motion.y = b;
    } else {
        e.button.button = static_cast<Uint8>(a);
        e.button.x = b;
        e.button.y = c;
    }
    return e;
}

using Seen = std::vector<int32_t>;  // kind, key, x, y
Seen seen(const Message& m) {
    return {static_cast<int32_t>(m.kind), static_cast<int32_t>(m.key), m.x, m.y};
}
Seen want(MessageKind kind, int32_t key, int32_t x = 0, int32_t y = 0) {
    return {static_cast<int32_t>(kind), key, x, y};
}

TEST(SdlEvents, EventsBecomeTheGamesMessages) {
    using K = MessageKind;
    const std::vector<std::pair<SDL_Event, Seen>> table = {
        {event(SDL_KEYDOWN, SDLK_RETURN), want(K::KeyDown, 0x0D)},
        {event(SDL_KEYDOWN, SDLK_KP_ENTER), want(K::KeyDown, 0x0D)},
        {event(SDL_KEYUP, SDLK_ESCAPE), want(K::KeyUp, 0x1B)},
        {event(SDL_KEYDOWN, SDLK_SPACE, KMOD_NUM | KMOD_LSHIFT), want(K::KeyDown, 0x20)},
        {event(SDL_KEYDOWN, SDLK_DOWN), want(K::KeyDown, 0x28)},
        {event(SDL_KEYDOWN, SDLK_a), want(K::KeyDown, 0x41)},
        {event(SDL_KEYDOWN, SDLK_z), want(K::KeyDown, 0x5A)},
        {event(SDL_KEYDOWN, SDLK_9), want(K::KeyDown, 0x39)},
        {event(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT), want(K::SystemKeyDown, 0x0D)},
        {event(SDL_KEYUP, SDLK_w, KMOD_RALT), want(K::SystemKeyUp, 0x57)},
        {event(SDL_WINDOWEVENT, SDL_WINDOWEVENT_CLOSE), want(K::Close, 0)},
        {event(SDL_WINDOWEVENT, SDL_WINDOWEVENT_SIZE_CHANGED, 800, 600),
         want(K::Size, 0, 800, 600)},
        {event(SDL_MOUSEMOTION, 12, 34), want(K::MouseMove, 0, 12, 34)},
        {event(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 5, 6), want(K::LeftButtonUp, 0, 5, 6)},
    };
    bool minimised = false;
    for (const auto& [e, expected] : table) {
        Message m;
        ASSERT_TRUE(translateEvent(e, minimised, m)) << e.type;
        EXPECT_EQ(seen(m), expected) << e.type;
    }
    Message m;
    for (SDL_Event ignored :
         {event(SDL_KEYDOWN, SDLK_F5), event(SDL_KEYDOWN, SDLK_LSHIFT),
          event(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE), event(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT),
          event(SDL_WINDOWEVENT, SDL_WINDOWEVENT_EXPOSED)}) {
        EXPECT_FALSE(translateEvent(ignored, minimised, m)) << ignored.type;
    }
}

TEST(SdlEvents, ActivationCarriesTheMinimisedState) {
    bool minimised = false;
    auto activate = [&](Uint8 what) {
        Message m;
        EXPECT_TRUE(translateEvent(event(SDL_WINDOWEVENT, what), minimised, m));
        EXPECT_EQ(m.kind, MessageKind::Activate);
        return m.minimised;
    };
    EXPECT_FALSE(activate(SDL_WINDOWEVENT_FOCUS_LOST));  // merely covered: keeps running
    EXPECT_TRUE(activate(SDL_WINDOWEVENT_MINIMIZED));
    EXPECT_TRUE(activate(SDL_WINDOWEVENT_FOCUS_LOST));  // arrives after minimising
    EXPECT_FALSE(activate(SDL_WINDOWEVENT_RESTORED));
    EXPECT_TRUE(activate(SDL_WINDOWEVENT_HIDDEN));
    EXPECT_FALSE(activate(SDL_WINDOWEVENT_SHOWN));
}

TEST(SdlEvents, QueuedEventsComeBeforeThePostedQuit) {
    SdlSystem system;
    ASSERT_TRUE(system.registerWindowClass("c"));
    Message m;
    while (system.peekMessage(m)) {
    }
    for (SDL_Event e : {event(SDL_KEYDOWN, SDLK_p), event(SDL_KEYDOWN, SDLK_F3),
                        event(SDL_KEYUP, SDLK_a, KMOD_LALT)}) {
        ASSERT_EQ(SDL_PushEvent(&e), 1);
    }
    system.postQuitMessage(7);
    std::vector<Seen> order;
    while (system.peekMessage(m))
        order.push_back(m.kind == MessageKind::Quit ? Seen{m.exitCode} : seen(m));
    const std::vector<Seen> expected = {want(MessageKind::KeyDown, 0x50),
                                        want(MessageKind::SystemKeyUp, 0x41), Seen{7}};
    EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace pelmora

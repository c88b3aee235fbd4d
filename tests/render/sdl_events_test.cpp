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

SDL_Event keyEvent(Uint32 type, SDL_Keycode sym, Uint16 mod = KMOD_NONE) {
    SDL_Event e{};
    e.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = sym;
    e.key.keysym.mod = mod;
    return e;
}

SDL_Event windowEvent(Uint8 what, Sint32 a = 0, Sint32 b = 0) {
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = what;
    e.window.data1 = a;
    e.window.data2 = b;
    return e;
}

TEST(SdlEvents, KeysBecomeDesktopVirtualKeyCodes) {
    const std::vector<std::pair<SDL_Keycode, uint32_t>> table = {
        {SDLK_RETURN, 0x0D}, {SDLK_KP_ENTER, 0x0D}, {SDLK_ESCAPE, 0x1B}, {SDLK_SPACE, 0x20},
        {SDLK_LEFT, 0x25},   {SDLK_UP, 0x26},       {SDLK_RIGHT, 0x27},  {SDLK_DOWN, 0x28},
        {SDLK_a, 0x41},      {SDLK_d, 0x44},        {SDLK_p, 0x50},      {SDLK_s, 0x53},
        {SDLK_w, 0x57},      {SDLK_z, 0x5A},        {SDLK_0, 0x30},      {SDLK_9, 0x39}};
    for (auto [sym, code] : table) {
        EXPECT_EQ(virtualKeyFor(sym), code) << SDL_GetKeyName(sym);
    }
    for (SDL_Keycode unused : {SDLK_F1, SDLK_LSHIFT, SDLK_TAB, SDLK_KP_8}) {
        EXPECT_EQ(virtualKeyFor(unused), 0u) << SDL_GetKeyName(unused);
    }
}

TEST(SdlEvents, KeysWithAltAreSystemKeysAndUnknownKeysAreDropped) {
    bool minimised = false;
    Message m;
    ASSERT_TRUE(translateEvent(keyEvent(SDL_KEYDOWN, SDLK_w), minimised, m));
    EXPECT_EQ(m.kind, MessageKind::KeyDown);
    EXPECT_EQ(m.key, 0x57u);
    ASSERT_TRUE(translateEvent(keyEvent(SDL_KEYUP, SDLK_w, KMOD_NUM | KMOD_LSHIFT), minimised, m));
    EXPECT_EQ(m.kind, MessageKind::KeyUp);
    ASSERT_TRUE(translateEvent(keyEvent(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT), minimised, m));
    EXPECT_EQ(m.kind, MessageKind::SystemKeyDown);
    EXPECT_EQ(m.key, 0x0Du);
    ASSERT_TRUE(translateEvent(keyEvent(SDL_KEYUP, SDLK_RETURN, KMOD_RALT), minimised, m));
    EXPECT_EQ(m.kind, MessageKind::SystemKeyUp);
    EXPECT_FALSE(translateEvent(keyEvent(SDL_KEYDOWN, SDLK_F5), minimised, m));
}

TEST(SdlEvents, ActivationCarriesTheMinimisedState) {
    bool minimised = false;
    Message m;
    auto activate = [&](Uint8 what) {
        EXPECT_TRUE(translateEvent(windowEvent(what), minimised, m));
        EXPECT_EQ(m.kind, MessageKind::Activate);
        return m.minimised;
    };
    EXPECT_FALSE(activate(SDL_WINDOWEVENT_FOCUS_LOST));  // merely covered: keeps running
    EXPECT_TRUE(activate(SDL_WINDOWEVENT_MINIMIZED));
    EXPECT_TRUE(activate(SDL_WINDOWEVENT_FOCUS_LOST));   // arrives after minimising
    EXPECT_FALSE(activate(SDL_WINDOWEVENT_RESTORED));
    EXPECT_FALSE(activate(SDL_WINDOWEVENT_FOCUS_GAINED));
    EXPECT_TRUE(activate(SDL_WINDOWEVENT_HIDDEN));
    EXPECT_FALSE(activate(SDL_WINDOWEVENT_SHOWN));
}

TEST(SdlEvents, WindowAndMouseEvents) {
    bool minimised = false;
    Message m;
    ASSERT_TRUE(translateEvent(windowEvent(SDL_WINDOWEVENT_CLOSE), minimised, m));
    EXPECT_EQ(m.kind, MessageKind::Close);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    ASSERT_TRUE(translateEvent(quit, minimised, m));
    EXPECT_EQ(m.kind, MessageKind::Close);
    ASSERT_TRUE(translateEvent(windowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 800, 600), minimised, m));
    EXPECT_EQ(m.kind, MessageKind::Size);
    EXPECT_EQ(m.x, 800);
    EXPECT_EQ(m.y, 600);
    EXPECT_FALSE(translateEvent(windowEvent(SDL_WINDOWEVENT_EXPOSED), minimised, m));

    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 12;
    motion.motion.y = 34;
    ASSERT_TRUE(translateEvent(motion, minimised, m));
    EXPECT_EQ(m.kind, MessageKind::MouseMove);
    EXPECT_EQ(m.x, 12);
    EXPECT_EQ(m.y, 34);

    SDL_Event button{};
    button.type = SDL_MOUSEBUTTONUP;
    button.button.x = 5;
    button.button.y = 6;
    for (auto [which, kind] : {std::pair{SDL_BUTTON_LEFT, MessageKind::LeftButtonUp},
                               std::pair{SDL_BUTTON_RIGHT, MessageKind::RightButtonUp}}) {
        button.button.button = static_cast<Uint8>(which);
        ASSERT_TRUE(translateEvent(button, minimised, m));
        EXPECT_EQ(m.kind, kind);
        EXPECT_EQ(m.x, 5);
        EXPECT_EQ(m.y, 6);
    }
    button.button.button = SDL_BUTTON_MIDDLE;
    EXPECT_FALSE(translateEvent(button, minimised, m));
    button.type = SDL_MOUSEBUTTONDOWN;
    button.button.button = SDL_BUTTON_LEFT;
    EXPECT_FALSE(translateEvent(button, minimised, m));
}

TEST(SdlEvents, QueuedEventsComeBeforeThePostedQuit) {
    SdlSystem system;
    Message m;
    system.postQuitMessage(3);  // works before any window exists
    ASSERT_TRUE(system.peekMessage(m));
    EXPECT_EQ(m.kind, MessageKind::Quit);
    EXPECT_EQ(m.exitCode, 3);
    EXPECT_FALSE(system.peekMessage(m));

    ASSERT_TRUE(system.registerWindowClass("c"));
    while (system.peekMessage(m)) {
    }
    SDL_Event down = keyEvent(SDL_KEYDOWN, SDLK_p);
    SDL_Event unknown = keyEvent(SDL_KEYDOWN, SDLK_F3);
    SDL_Event altUp = keyEvent(SDL_KEYUP, SDLK_a, KMOD_LALT);
    ASSERT_EQ(SDL_PushEvent(&down), 1);
    ASSERT_EQ(SDL_PushEvent(&unknown), 1);
    ASSERT_EQ(SDL_PushEvent(&altUp), 1);
    system.postQuitMessage(7);

    ASSERT_TRUE(system.peekMessage(m));
    EXPECT_EQ(m.kind, MessageKind::KeyDown);
    EXPECT_EQ(m.key, 0x50u);
    ASSERT_TRUE(system.peekMessage(m));
    EXPECT_EQ(m.kind, MessageKind::SystemKeyUp);
    EXPECT_EQ(m.key, 0x41u);
    ASSERT_TRUE(system.peekMessage(m));
    EXPECT_EQ(m.kind, MessageKind::Quit);
    EXPECT_EQ(m.exitCode, 7);
    EXPECT_FALSE(system.peekMessage(m));
    EXPECT_TRUE(system.unregisterWindowClass("c"));
}

}  // namespace
}  // namespace pelmora

// Message boxes, with standard error standing in where no box can be shown.
#include <SDL.h>

#include <cstdio>

#include "platform/sdl/sdl_system.h"

namespace pelmora {
namespace {

constexpr int OkId = 1;
constexpr int YesId = 2;
constexpr int NoId = 3;

Uint32 iconFlag(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Stop:
        return SDL_MESSAGEBOX_ERROR;
    case BoxIcon::Information:
        return SDL_MESSAGEBOX_INFORMATION;
    case BoxIcon::Exclamation:
    default:
        return SDL_MESSAGEBOX_WARNING;
    }
}

// A window the player cannot see cannot answer either.
bool invisibleDisplay() {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return false;
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr &&
           (SDL_strcasecmp(driver, "offscreen") == 0 || SDL_strcasecmp(driver, "dummy") == 0);
}

BoxAnswer answerFor(BoxButtons buttons, int pressed) {
    if (buttons == BoxButtons::Ok) return BoxAnswer::Ok;
    // Closing a Yes/No box without choosing counts as No.
    return pressed == YesId ? BoxAnswer::Yes : BoxAnswer::No;
}

}  // namespace

BoxAnswer SdlSystem::messageBox(const std::string& text, const std::string& caption,
                                BoxButtons buttons, BoxIcon icon) {
    const SDL_MessageBoxButtonData ok[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, OkId,
         "OK"}};
    const SDL_MessageBoxButtonData yesNo[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, YesId, "Yes"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, NoId, "No"}};
    bool isOk = buttons == BoxButtons::Ok;
    SDL_MessageBoxData box{};
    box.flags = iconFlag(icon);
    box.window = window_;
    box.title = caption.c_str();
    box.message = text.c_str();
    box.numbuttons = isOk ? 1 : 2;
    box.buttons = isOk ? ok : yesNo;
    // Boxes also come after the window and the video are gone (a failed
    // start-up is reported after the teardown): bring the video back for it.
    const bool borrowedVideo = !videoReady() && startVideo();
    int pressed = -1;
    const bool shown = videoReady() && !invisibleDisplay() && SDL_ShowMessageBox(&box, &pressed) == 0;
    if (borrowedVideo) stopVideo();
    if (shown) return answerFor(buttons, pressed);
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return BoxAnswer::Unanswered;
}

}  // namespace pelmora

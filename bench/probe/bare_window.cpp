// The least a program can do to show what the game shows first: open the
// same full-screen 1024 x 768 window with a legacy GL context, upload the
// same four bitmaps as textures, draw the menu picture once and present it.
// The start-up benchmark times it against the game.
#include <GL/gl.h>
#include <SDL.h>

#include <cstdio>

namespace {

constexpr int Width = 1024;
constexpr int Height = 768;

SDL_Window* openWindow() {
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    const Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_FULLSCREEN | SDL_WINDOW_HIDDEN;
    SDL_Window* window = SDL_CreateWindow("Pelmora", 0, 0, Width, Height, flags);
    if (window == nullptr) return nullptr;
    SDL_DisplayMode mode{SDL_PIXELFORMAT_RGB888, Width, Height, 0, nullptr};
    SDL_SetWindowDisplayMode(window, &mode);
    return window;
}

GLuint upload(const char* path) {
    SDL_Surface* loaded = SDL_LoadBMP(path);
    if (loaded == nullptr) return 0;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB24, 0);
    SDL_FreeSurface(loaded);
    if (rgb == nullptr) return 0;
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, rgb->pitch / 3);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, rgb->w, rgb->h, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 rgb->pixels);
    SDL_FreeSurface(rgb);
    return name;
}

void drawPicture(GLuint texture) {
    glViewport(0, 0, Width, Height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, Width, 0, Height, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    glTexCoord2d(0, 1), glVertex2i(0, 0);
    glTexCoord2d(1, 1), glVertex2i(Width, 0);
    glTexCoord2d(1, 0), glVertex2i(Width, Height);
    glTexCoord2d(0, 0), glVertex2i(0, Height);
    glEnd();
}

}  // namespace

int main(int, char**) {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "bare window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window = openWindow();
    SDL_GLContext context = window != nullptr ? SDL_GL_CreateContext(window) : nullptr;
    if (context == nullptr) {
        std::fprintf(stderr, "bare window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetSwapInterval(1);
    SDL_ShowWindow(window);
    const GLuint menu = upload("textures/Menu.bmp");
    upload("textures/SubMenuPlots.bmp");
    upload("textures/CubeSurface.bmp");
    upload("textures/CardTextureMap.bmp");
    drawPicture(menu);
    SDL_GL_SwapWindow(window);
    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}

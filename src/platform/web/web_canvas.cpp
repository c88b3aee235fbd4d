// The window steps on the page's canvas, and its WebGL2 context.
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>
#include <emscripten/html5_webgl.h>

#include "platform/web/web_canvas.h"
#include "platform/web/web_system.h"

namespace pelmora {
namespace {

EM_JS(int, pageHasCanvas, (), { return document.querySelector("#canvas") ? 1 : 0; });

// The full-screen look is the page's CSS (index.html): the canvas filling the
// page at 4:3 with black bars; without it the canvas is shown at the size the
// window was asked for, which placeCanvas hands the CSS.
EM_JS(void, showCanvasFullPage, (int fullPage), {
    const canvas = document.querySelector("#canvas");
    if (canvas) canvas.classList.toggle("fullscreen", !!fullPage);
});

EM_JS(void, placeCanvas, (const char* title, int width, int height), {
    const canvas = document.querySelector("#canvas");
    document.title = UTF8ToString(title);
    canvas.style.setProperty("--window-width", width + "px");
    canvas.style.setProperty("--window-height", height + "px");
});

EM_JS(void, focusCanvas, (), {
    const canvas = document.querySelector("#canvas");
    if (canvas) canvas.focus();
    window.focus();
});

}  // namespace

bool WebSystem::registerWindowClass(const std::string&) {
    classRegistered_ = pageHasCanvas() != 0;
    return classRegistered_;
}

// Like the desktop, the class cannot go while its window still exists.
bool WebSystem::unregisterWindowClass(const std::string&) {
    if (!classRegistered_ || window_) return false;
    classRegistered_ = false;
    return true;
}

bool WebSystem::changeDisplayMode(uint32_t width, uint32_t height, uint8_t) {
    screen_ = {width, height};
    showCanvasFullPage(1);
    return true;
}

void WebSystem::restoreDisplayMode() { showCanvasFullPage(0); }

bool WebSystem::createWindow(const WindowRequest& request) {
    if (!classRegistered_ || window_) return false;
    placeCanvas(request.title.c_str(), static_cast<int>(request.width), static_cast<int>(request.height));
    events_.setClientSize(request.width, request.height);
    watchCanvasSize();
    fitCanvasToPage();
    window_ = true;
    return true;
}

bool WebSystem::destroyWindow() {
    if (!window_) return false;
    window_ = false;
    return true;
}

int WebSystem::choosePixelFormat(uint8_t, uint8_t depthBits) {
    if (!window_) return 0;
    depthBuffer_ = depthBits > 0;
    return 1;
}

bool WebSystem::setPixelFormat(int format) { return window_ && format == 1 && context_ <= 0; }

// No alpha, so the clear colour's alpha of 0.5 does not let the page show
// through; no multisampling, as the desktop's pixel format asks none.
bool WebSystem::createRenderContext() {
    if (!window_ || context_ > 0) return false;
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;
    attributes.depth = depthBuffer_ ? EM_TRUE : EM_FALSE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE;
    attributes.majorVersion = 2;
    attributes.minorVersion = 0;
    context_ = emscripten_webgl_create_context(CanvasSelector, &attributes);
    return context_ > 0;
}

bool WebSystem::makeRenderContextCurrent(bool current) {
    if (!current) return emscripten_webgl_make_context_current(0) == EMSCRIPTEN_RESULT_SUCCESS;
    return context_ > 0 && emscripten_webgl_make_context_current(context_) == EMSCRIPTEN_RESULT_SUCCESS;
}

bool WebSystem::deleteRenderContext() {
    if (context_ <= 0) return false;
    const bool deleted = emscripten_webgl_destroy_context(context_) == EMSCRIPTEN_RESULT_SUCCESS;
    context_ = 0;
    return deleted;
}

void WebSystem::showWindow() {
    if (window_) focusCanvas();
}

}  // namespace pelmora

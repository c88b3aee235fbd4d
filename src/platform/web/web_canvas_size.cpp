#include <emscripten/emscripten.h>

#include "platform/web/web_canvas.h"

namespace pelmora {
namespace {

EM_JS(void, observeCanvasSize, (), {
    const canvas = document.querySelector("#canvas");
    if (!canvas || Module["pelmoraCanvasWatched"]) return;
    Module["pelmoraCanvasWatched"] = true;
    const note = () => { Module["pelmoraCanvasMoved"] = true; };
    new ResizeObserver(note).observe(canvas);
    // A new pixel density (zoom, another screen) need not change the CSS size.
    window.addEventListener("resize", note);
});

EM_JS(int, resizeDrawingBuffer, (), {
    Module["pelmoraCanvasMoved"] = false;
    const canvas = document.querySelector("#canvas");
    if (!canvas) return 0;
    const shown = canvas.getBoundingClientRect();
    const density = window.devicePixelRatio || 1;
    const width = Math.max(1, Math.round(shown.width * density));
    const height = Math.max(1, Math.round(shown.height * density));
    if (canvas.width === width && canvas.height === height) return 0;
    canvas.width = width;
    canvas.height = height;
    return 1;
});

EM_JS(int, canvasMoved, (), { return Module["pelmoraCanvasMoved"] ? 1 : 0; });

}  // namespace

void watchCanvasSize() { observeCanvasSize(); }

bool fitCanvasToPage() { return resizeDrawingBuffer() != 0; }

bool canvasResized() { return canvasMoved() != 0 && fitCanvasToPage(); }

}  // namespace pelmora

// The canvas's drawing buffer, kept at the canvas's size on the page times
// the device's pixel density, so the picture is as sharp as the screen.
#pragma once

namespace pelmora {

// Notes every change of the canvas's size on the page or of the pixel
// density; the buffer itself is resized only by canvasResized.
void watchCanvasSize();

// Sizes the drawing buffer now; true when it changed, which clears it.
bool fitCanvasToPage();

// Whether the buffer had to be resized since the last call. It is resized
// only here, as the program takes its messages: a resize clears the buffer,
// and the frame that follows at once draws it again before the page shows it.
bool canvasResized();

}  // namespace pelmora

// What the Windows backend holds between calls; only its own files see it.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/frame_pacer.h"
#include "platform/system.h"

namespace pelmora {

struct Win32Handles {
    HINSTANCE instance = nullptr;
    HWND window = nullptr;
    HDC deviceContext = nullptr;
    HGLRC renderContext = nullptr;
    PIXELFORMATDESCRIPTOR pixelFormat{};
    MSG taken{};  // the message peekMessage took, until it is dispatched
    // The refresh deadlines skipped frames wait on, and until when the next
    // empty peek may wait (0: no wait).
    FramePacer pacer;
    int64_t idleUntilNs = 0;
};

// The game's message for a window message; Other for those it has no
// handling for.
Message translateWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);

LRESULT CALLBACK realWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The pixel format the game asks for: a double-buffered RGBA window surface
// for OpenGL with the given colour and depth bits.
PIXELFORMATDESCRIPTOR describePixelFormat(uint8_t colourBits, uint8_t depthBits);

// A bitmap file as tightly packed, bottom-up RGB rows, read through dc.
Image readBitmapFile(const char* path, HDC dc);

}  // namespace pelmora

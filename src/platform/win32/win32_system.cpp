// Time, sound cues, the cursor, the screen size and bitmaps on Windows.
#include "platform/win32/win32_system.h"

#include "platform/monotonic.h"

// The handles bring in the system headers, which the sound header needs first.
#include "platform/win32/win32_handles.h"

#include <mmsystem.h>

#include <ctime>

namespace pelmora {

Win32System::Win32System() : handles_(std::make_unique<Win32Handles>()) {
    handles_->instance = GetModuleHandleA(nullptr);
}

// Whatever the game left standing goes; a temporary display mode ends with
// the process by itself.
Win32System::~Win32System() {
    procedure_ = nullptr;  // the game is gone; destroying the window sends messages
    Win32Handles& h = *handles_;
    if (h.renderContext != nullptr) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(h.renderContext);
    }
    if (h.deviceContext != nullptr) ReleaseDC(h.window, h.deviceContext);
    if (h.window != nullptr) DestroyWindow(h.window);
}

uint32_t Win32System::tickCount() {
    return GetTickCount();
}

int64_t monotonicNs() {
    LARGE_INTEGER count{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    const int64_t seconds = count.QuadPart / frequency.QuadPart;
    const int64_t rest = count.QuadPart % frequency.QuadPart;
    return seconds * 1000000000 + rest * 1000000000 / frequency.QuadPart;
}

int64_t Win32System::calendarSeconds() {
    return static_cast<int64_t>(std::time(nullptr));
}

void Win32System::playSound(const std::string& path) {
    PlaySoundA(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

Point Win32System::cursorPosition() {
    POINT at{};
    if (!GetCursorPos(&at)) return {};
    return {at.x, at.y};
}

Point Win32System::screenToClient(Point screen) {
    POINT p{screen.x, screen.y};
    if (handles_->window != nullptr) ScreenToClient(handles_->window, &p);
    return {p.x, p.y};
}

Point Win32System::clientToScreen(Point client) {
    POINT p{client.x, client.y};
    if (handles_->window != nullptr) ClientToScreen(handles_->window, &p);
    return {p.x, p.y};
}

void Win32System::setCursorPosition(Point screen) {
    SetCursorPos(screen.x, screen.y);
}

void Win32System::showCursor(bool show) {
    ShowCursor(show ? TRUE : FALSE);
}

void Win32System::setCursorShape(CursorShape shape) {
    SetCursor(LoadCursorA(nullptr, shape == CursorShape::Wait ? IDC_WAIT : IDC_ARROW));
}

ScreenSize Win32System::primaryScreenSize() {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    if (width <= 0 || height <= 0) return {};
    return {static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
}

// The bits are read through the device context GL draws on; before there is
// one, through the screen's.
Image Win32System::loadBitmap(const std::string& path) {
    HDC current = wglGetCurrentDC();
    if (current != nullptr) return readBitmapFile(path.c_str(), current);
    HDC screen = GetDC(nullptr);
    Image image = readBitmapFile(path.c_str(), screen);
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return image;
}

}  // namespace pelmora

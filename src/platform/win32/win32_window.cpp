// The full-screen display mode, the window, its device context, pixel format
// and legacy GL context, one step per call.
#include "platform/monotonic.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_system.h"

namespace pelmora {

namespace {

struct Styles {
    DWORD extended = 0;
    DWORD plain = 0;
};

Styles stylesFor(bool fullscreen) {
    if (fullscreen) return {WS_EX_APPWINDOW, WS_POPUP};
    return {WS_EX_APPWINDOW | WS_EX_WINDOWEDGE, WS_OVERLAPPEDWINDOW};
}

using SwapIntervalCall = BOOL(WINAPI*)(int);

}  // namespace

PIXELFORMATDESCRIPTOR describePixelFormat(uint8_t colourBits, uint8_t depthBits) {
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = colourBits;
    format.cDepthBits = depthBits;
    format.iLayerType = PFD_MAIN_PLANE;
    return format;
}

// Only a mode of exactly the asked size will do; the colour depth is matched
// when the display offers it. Current desktops offer 32 bits and nothing else.
bool Win32System::changeDisplayMode(uint32_t width, uint32_t height, uint8_t colourBits) {
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    mode.dmBitsPerPel = colourBits;
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    if (ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL) return true;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    return ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
}

void Win32System::restoreDisplayMode() {
    ChangeDisplaySettingsA(nullptr, 0);
}

bool Win32System::registerWindowClass(const std::string& className) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = realWindowProcedure;
    windowClass.hInstance = handles_->instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_WINLOGO);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = className.c_str();
    return RegisterClassA(&windowClass) != 0;
}

bool Win32System::unregisterWindowClass(const std::string& className) {
    return UnregisterClassA(className.c_str(), handles_->instance) != 0;
}

// The window is as large as it must be for a client area of the asked size.
bool Win32System::createWindow(const WindowRequest& request) {
    if (handles_->window != nullptr) return false;
    const Styles styles = stylesFor(request.fullscreen);
    RECT outer{0, 0, static_cast<LONG>(request.width), static_cast<LONG>(request.height)};
    AdjustWindowRectEx(&outer, styles.plain, FALSE, styles.extended);
    handles_->window = CreateWindowExA(
        styles.extended, request.className.c_str(), request.title.c_str(),
        styles.plain | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, request.x, request.y,
        outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, handles_->instance,
        this);
    return handles_->window != nullptr;
}

bool Win32System::destroyWindow() {
    HWND window = handles_->window;
    handles_->window = nullptr;
    return window != nullptr && DestroyWindow(window) != 0;
}

bool Win32System::acquireDeviceContext() {
    if (handles_->window == nullptr) return false;
    handles_->deviceContext = GetDC(handles_->window);
    return handles_->deviceContext != nullptr;
}

bool Win32System::releaseDeviceContext() {
    HDC dc = handles_->deviceContext;
    handles_->deviceContext = nullptr;
    return dc != nullptr && ReleaseDC(handles_->window, dc) != 0;
}

int Win32System::choosePixelFormat(uint8_t colourBits, uint8_t depthBits) {
    if (handles_->deviceContext == nullptr) return 0;
    handles_->pixelFormat = describePixelFormat(colourBits, depthBits);
    return ChoosePixelFormat(handles_->deviceContext, &handles_->pixelFormat);
}

bool Win32System::setPixelFormat(int format) {
    if (handles_->deviceContext == nullptr) return false;
    return SetPixelFormat(handles_->deviceContext, format, &handles_->pixelFormat) != 0;
}

bool Win32System::createRenderContext() {
    if (handles_->deviceContext == nullptr || handles_->renderContext != nullptr) return false;
    handles_->renderContext = wglCreateContext(handles_->deviceContext);
    return handles_->renderContext != nullptr;
}

bool Win32System::makeRenderContextCurrent(bool current) {
    if (!current) return wglMakeCurrent(nullptr, nullptr) != 0;
    if (handles_->renderContext == nullptr) return false;
    return wglMakeCurrent(handles_->deviceContext, handles_->renderContext) != 0;
}

bool Win32System::deleteRenderContext() {
    HGLRC context = handles_->renderContext;
    handles_->renderContext = nullptr;
    return context != nullptr && wglDeleteContext(context) != 0;
}

void Win32System::showWindow() {
    HWND window = handles_->window;
    if (window == nullptr) return;
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetFocus(window);
}

// The swap interval is an extension a driver may lack; the game then runs unsynced.
void Win32System::setSwapInterval(int interval) {
    if (handles_->renderContext == nullptr) return;
    auto call = reinterpret_cast<SwapIntervalCall>(
        reinterpret_cast<void*>(wglGetProcAddress("wglSwapIntervalEXT")));
    if (call != nullptr) call(interval);
}

void Win32System::swapBuffers() {
    if (handles_->deviceContext != nullptr) SwapBuffers(handles_->deviceContext);
}

// The row of deadlines follows the display's refresh; 0 and 1 mean the
// hardware's default, which is taken as 60 Hz.
void Win32System::skipSwap() {
    HDC dc = handles_->deviceContext;
    if (dc == nullptr) return;
    const int hz = GetDeviceCaps(dc, VREFRESH);
    setPacingPeriod(handles_->pacer, refreshPeriodNs(hz > 1 ? hz : 0));
    handles_->idleUntilNs = skipDeadline(handles_->pacer, monotonicNs());
}

}  // namespace pelmora

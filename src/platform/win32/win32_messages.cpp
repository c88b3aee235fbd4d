// The thread's message queue and the real window procedure, which hands the
// messages the game knows to its window procedure as they arrive.
#include "platform/monotonic.h"
#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_system.h"

namespace pelmora {
namespace {

Message withKey(MessageKind kind, WPARAM wParam) {
    Message m = messageOf(kind);
    m.key = static_cast<uint32_t>(wParam);
    return m;
}

Message systemCommand(WPARAM wParam) {
    Message m = messageOf(MessageKind::SystemCommand);
    if (wParam == SC_SCREENSAVE) m.command = SystemCommandKind::ScreenSaver;
    if (wParam == SC_MONITORPOWER) m.command = SystemCommandKind::MonitorPower;
    return m;
}

}  // namespace

Message translateWindowMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_ACTIVATE: {
        Message m = messageOf(MessageKind::Activate);
        m.minimised = HIWORD(wParam) != 0;
        return m;
    }
    case WM_SYSCOMMAND:
        return systemCommand(wParam);
    case WM_CLOSE:
        return messageOf(MessageKind::Close);
    case WM_KEYDOWN:
        return withKey(MessageKind::KeyDown, wParam);
    case WM_KEYUP:
        return withKey(MessageKind::KeyUp, wParam);
    case WM_SYSKEYDOWN:
        return withKey(MessageKind::SystemKeyDown, wParam);
    case WM_SYSKEYUP:
        return withKey(MessageKind::SystemKeyUp, wParam);
    case WM_SIZE:
        return messageOf(MessageKind::Size);
    case WM_PAINT:
        return messageOf(MessageKind::Paint);
    // The game reads the cursor itself when it handles a mouse message.
    case WM_MOUSEMOVE:
        return messageOf(MessageKind::MouseMove);
    case WM_LBUTTONUP:
        return messageOf(MessageKind::LeftButtonUp);
    case WM_RBUTTONUP:
        return messageOf(MessageKind::RightButtonUp);
    default:
        return messageOf(MessageKind::Other);
    }
}

// The backend rides along in the window's user data from the first message
// that carries the creation parameters; earlier ones are the system's alone.
LRESULT CALLBACK realWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* system = reinterpret_cast<Win32System*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    const Message translated = translateWindowMessage(message, wParam, lParam);
    if (system != nullptr && translated.kind != MessageKind::Other &&
        system->deliver(translated) != MessageLeftToSystem) {
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int32_t Win32System::deliver(const Message& message) {
    return procedure_ ? procedure_(message) : MessageLeftToSystem;
}

// After a frame that drew nothing no swap paces the loop: rather than spin,
// it waits for the next message or the refresh the skipped swap stood for,
// whichever comes first. Gives true when a message came.
bool Win32System::waitForMessage() {
    const int64_t left = handles_->idleUntilNs - monotonicNs();
    if (handles_->idleUntilNs == 0 || left <= 0) {
        handles_->idleUntilNs = 0;
        return false;
    }
    const auto ms = static_cast<DWORD>((left + 999999) / 1000000);
    return MsgWaitForMultipleObjectsEx(0, nullptr, ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
           WAIT_OBJECT_0;
}

bool Win32System::peekMessage(Message& out) {
    MSG& taken = handles_->taken;
    while (!PeekMessageA(&taken, nullptr, 0, 0, PM_REMOVE)) {
        if (!waitForMessage()) return false;
    }
    if (taken.message == WM_QUIT) {
        out = messageOf(MessageKind::Quit);
        out.exitCode = static_cast<int>(taken.wParam);
        return true;
    }
    out = translateWindowMessage(taken.message, taken.wParam, taken.lParam);
    return true;
}

// The game's procedure is reached through the window's class, as the system
// does it, so a message's result goes back to the system that asked.
void Win32System::dispatchMessage(const Message&) {
    TranslateMessage(&handles_->taken);
    DispatchMessageA(&handles_->taken);
}

void Win32System::postQuitMessage(int exitCode) {
    PostQuitMessage(exitCode);
}

}  // namespace pelmora

// Message boxes, with standard error standing in where none can be shown.
#include <cstdio>

#include "platform/win32/win32_handles.h"
#include "platform/win32/win32_system.h"

namespace pelmora {

namespace {

UINT boxFlags(BoxButtons buttons, BoxIcon icon) {
    UINT flags = buttons == BoxButtons::YesNo ? MB_YESNO : MB_OK;
    switch (icon) {
    case BoxIcon::Stop:
        return flags | MB_ICONSTOP;
    case BoxIcon::Information:
        return flags | MB_ICONINFORMATION;
    case BoxIcon::Exclamation:
        break;
    }
    return flags | MB_ICONEXCLAMATION;
}

}  // namespace

// Boxes have no owner: they also come before the window exists and after it is gone.
BoxAnswer Win32System::messageBox(const std::string& text, const std::string& caption,
                                  BoxButtons buttons, BoxIcon icon) {
    const int pressed = MessageBoxA(nullptr, text.c_str(), caption.c_str(), boxFlags(buttons, icon));
    if (pressed == 0) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return BoxAnswer::Unanswered;
    }
    if (buttons == BoxButtons::Ok) return BoxAnswer::Ok;
    // A Yes/No box closed without choosing counts as No.
    return pressed == IDYES ? BoxAnswer::Yes : BoxAnswer::No;
}

}  // namespace pelmora

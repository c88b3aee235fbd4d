// Message boxes as a dialog over the canvas, "#pelmora-dialog", with its
// caption (".caption"), its text (".text") and the buttons "OK", or "Yes" and
// "No". The program waits for the answer as the desktop's box makes it wait;
// meanwhile the page's keys and clicks are the dialog's alone.
#include <emscripten/emscripten.h>

#include "platform/web/web_system.h"

namespace pelmora {
namespace {

// Gives the index of the button pressed. Escape presses the last button
// ("No", or the only "OK"), as it does in the desktop's boxes; Enter the
// focused one, which is at first the first.
EM_ASYNC_JS(int, showDialog, (const char* captionText, const char* bodyText, int yesNo, const char* iconName), {
    const part = (tag, className, text) => {
        const element = document.createElement(tag);
        if (className) element.className = className;
        if (text !== undefined) element.textContent = text;
        return element;
    };
    const dialog = part("div", "pelmora-dialog " + UTF8ToString(iconName));
    dialog.id = "pelmora-dialog";
    dialog.setAttribute("role", "alertdialog");
    dialog.appendChild(part("div", "caption", UTF8ToString(captionText)));
    dialog.appendChild(part("div", "text", UTF8ToString(bodyText)));
    const row = dialog.appendChild(part("div", "buttons"));
    const labels = yesNo ? ["Yes", "No"] : ["OK"];
    const pressed = await new Promise(answer => {
        labels.forEach((label, index) => {
            row.appendChild(part("button", "", label)).addEventListener("click", () => answer(index));
        });
        dialog.addEventListener("keydown", event => {
            if (event.key === "Escape") answer(labels.length - 1);
        });
        document.body.appendChild(dialog);
        row.firstChild.focus();
    });
    dialog.remove();
    return pressed;
});

const char* iconName(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Stop:
        return "stop";
    case BoxIcon::Information:
        return "information";
    case BoxIcon::Exclamation:
    default:
        return "exclamation";
    }
}

}  // namespace

BoxAnswer WebSystem::messageBox(const std::string& text, const std::string& caption,
                                BoxButtons buttons, BoxIcon icon) {
    const bool yesNo = buttons == BoxButtons::YesNo;
    events_.setPaused(true);
    const int pressed = showDialog(caption.c_str(), text.c_str(), yesNo ? 1 : 0, iconName(icon));
    events_.setPaused(false);
    if (!yesNo) return BoxAnswer::Ok;
    return pressed == 0 ? BoxAnswer::Yes : BoxAnswer::No;
}

}  // namespace pelmora

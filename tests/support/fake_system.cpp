#include "support/fake_system.h"

namespace pelmora {

Message FakeSystem::keyMessage(MessageKind kind, uint32_t key) {
    Message m;
    m.kind = kind;
    m.key = key;
    return m;
}

Message FakeSystem::simple(MessageKind kind) {
    Message m;
    m.kind = kind;
    return m;
}

bool FakeSystem::peekMessage(Message& out) {
    if (messages.empty()) return false;
    out = messages.front();
    messages.pop_front();
    return true;
}

void FakeSystem::postQuitMessage(int exitCode) {
    Message m;
    m.kind = MessageKind::Quit;
    m.exitCode = exitCode;
    messages.push_back(m);
}

void FakeSystem::setCursorPosition(Point screenPoint) {
    cursor = screenPoint;
    cursorMoves.push_back(screenPoint);
}

bool FakeSystem::changeDisplayMode(uint32_t, uint32_t, uint8_t) {
    steps.push_back("changeDisplayMode");
    return displayModeWorks;
}

void FakeSystem::restoreDisplayMode() {
    steps.push_back("restoreDisplayMode");
    displayModeRestored = true;
}

bool FakeSystem::createWindow(const WindowRequest& request) {
    lastWindow = request;
    return step("createWindow");
}

bool FakeSystem::makeRenderContextCurrent(bool current) {
    return step(current ? "makeCurrent" : "releaseCurrent");
}

BoxAnswer FakeSystem::messageBox(const std::string& text, const std::string& caption,
                                 BoxButtons buttons, BoxIcon icon) {
    boxes.push_back({text, caption, buttons, icon});
    if (boxAnswers.empty()) return BoxAnswer::Ok;
    BoxAnswer answer = boxAnswers.front();
    boxAnswers.pop_front();
    return answer;
}

Image FakeSystem::loadBitmap(const std::string& path) {
    steps.push_back("loadBitmap " + path);
    auto it = bitmaps.find(path);
    if (it == bitmaps.end()) return Image{};
    return it->second;
}

bool FakeSystem::step(const std::string& name) {
    steps.push_back(name);
    return failingSteps.count(name) == 0;
}

}  // namespace pelmora

#include "platform/web/web_keys.h"

#include <cstring>

#include "platform/system.h"

namespace pelmora {
namespace {

struct NamedKey {
    const char* name;
    uint32_t code;
};

constexpr NamedKey NamedKeys[] = {
    {"Enter", vk::Enter},     {"Escape", vk::Escape}, {"Esc", vk::Escape},
    {" ", vk::Space},         {"Spacebar", vk::Space}, {"ArrowLeft", vk::Left},
    {"ArrowUp", vk::Up},      {"ArrowRight", vk::Right}, {"ArrowDown", vk::Down},
    {"Left", vk::Left},       {"Up", vk::Up},           {"Right", vk::Right},
    {"Down", vk::Down},
};

// A single Latin letter or digit; letters in either case give the capital's code.
uint32_t characterKey(const char* text) {
    if (text[0] == '\0' || text[1] != '\0') return 0;
    const char c = text[0];
    if (c >= 'a' && c <= 'z') return vk::letter(static_cast<char>(c - 'a' + 'A'));
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return static_cast<uint32_t>(c);
    return 0;
}

// "KeyW", "Digit7": the key at that place on a US keyboard.
uint32_t placedKey(const char* code) {
    if (std::strncmp(code, "Key", 3) == 0) return characterKey(code + 3);
    if (std::strncmp(code, "Digit", 5) == 0) return characterKey(code + 5);
    if (std::strcmp(code, "NumpadEnter") == 0) return vk::Enter;
    return 0;
}

}  // namespace

uint32_t virtualKeyFor(const char* key, const char* code) {
    for (const NamedKey& named : NamedKeys) {
        if (std::strcmp(key, named.name) == 0) return named.code;
    }
    const uint32_t character = characterKey(key);
    return character != 0 ? character : placedKey(code);
}

bool isGameKey(uint32_t virtualKey) {
    switch (virtualKey) {
    case vk::Enter:
    case vk::Escape:
    case vk::Space:
    case vk::Left:
    case vk::Up:
    case vk::Right:
    case vk::Down:
        return true;
    default:
        return virtualKey == vk::letter('P') || virtualKey == vk::letter('W') ||
               virtualKey == vk::letter('A') || virtualKey == vk::letter('S') ||
               virtualKey == vk::letter('D');
    }
}

}  // namespace pelmora

// The key delay shared by every key action: a held key acts once a second.
#pragma once

#include <cstdint>

namespace pelmora {

struct ActionGate {
    uint32_t lastAction = 0;
    uint32_t now = 0;
    uint32_t delay = 1000;
};

}  // namespace pelmora

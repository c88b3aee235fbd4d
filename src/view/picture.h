// What a frame shows, summed up in a few hundred bytes, so that a frame whose
// picture equals the one already on screen need not be drawn again.
#pragma once

#include <array>
#include <cstdint>

#include "view/geometry.h"
#include "view/renderer.h"

namespace pelmora {

struct Picture {
    GameMode mode = ModeMenu;
    MenuPage page = PageNewGame;
    // The drawn digits: the clock's eight, then the score's (the top score's
    // in the menu), least significant first.
    std::array<uint32_t, 8> clock{};
    uint32_t scoreLength = 0;
    std::array<uint32_t, MenuDigitsInView> score{};
    // The hand strip and the raised cards.
    std::array<const Card*, HandSlots> selected{};
    // The two faces that can be seen, and a print of the cards on each: a new
    // deal may well reuse the memory of the last one, so where the faces lie
    // tells nothing of what lies on them.
    uint8_t targetFace = 0;
    const Face* front = nullptr;
    const Face* target = nullptr;
    uint64_t frontCards = 0;
    uint64_t targetCards = 0;
    double tiltX = 0.0;
    double tiltY = 0.0;
    double tiltZ = 0.0;
    // Both move the picture on by themselves, once per drawn frame.
    bool turning = false;
    bool dust = false;
};

bool operator==(const Picture& a, const Picture& b);
inline bool operator!=(const Picture& a, const Picture& b) { return !(a == b); }

Picture menuPicture(const MenuView& menu);
Picture scenePicture(const SceneView& scene);
// A turn or dust changes the picture in every drawn frame.
inline bool isAnimated(const Picture& p) { return p.turning || p.dust; }

// The picture the screen shows; not valid until the first frame, and again
// whenever the window was exposed, resized or re-activated.
struct ScreenPicture {
    Picture picture;
    bool valid = false;
};

// Whether a frame showing `wanted` must be drawn.
bool needsDrawing(const ScreenPicture& shown, const Picture& wanted);

}  // namespace pelmora

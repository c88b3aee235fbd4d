#include "view/picture.h"

#include <tuple>

#include "play/drop.h"
#include "play/selection.h"
#include "values/input_state.h"
#include "view/turn.h"

namespace pelmora {

namespace {

auto fields(const Picture& p) {
    return std::tie(p.mode, p.page, p.clock, p.scoreLength, p.score, p.selected, p.targetFace,
                    p.front, p.target, p.frontCards, p.targetCards, p.tiltX, p.tiltY, p.tiltZ,
                    p.turning, p.dust);
}

const Face* faceAt(const Board& board, uint8_t index) {
    return index < board.faces.size() ? board.faces[index].get() : nullptr;
}

// Each card's value, layer and place, and whether it is raised, folded into
// one number (FNV-1a): a few hundred steps, against the thousands of
// vertices the face takes to draw.
uint64_t cardsOn(const Face* face) {
    uint64_t print = 14695981039346656037u;
    auto fold = [&print](uint64_t v) { print = (print ^ v) * 1099511628211u; };
    if (face == nullptr) return print;
    for (const Layer& layer : face->layers) {
        for (const auto& card : layer.cards) {
            fold(card->value), fold(card->level), fold(card->selected);
            fold(uint64_t(card->place.x * 2)), fold(uint64_t(card->place.y * 2));
        }
        fold(layer.cards.size());
    }
    return print;
}

// The menu shows the most significant digits that fit; the bar the least.
void keepMenuDigits(Picture& p, const ScoreDigits& score) {
    p.scoreLength = static_cast<uint32_t>(score.size());
    size_t kept = 0;
    for (size_t i = score.size(); i-- > 0 && kept < MenuDigitsInView;) p.score[kept++] = score[i];
}

void keepBarDigits(Picture& p, const ScoreDigits& score) {
    p.scoreLength = static_cast<uint32_t>(score.size());
    for (size_t k = 0; k < score.size() && k < ScoreGlyphsInView; ++k) p.score[k] = score[k];
}

void keepClock(Picture& p, const GameClock& c) {
    p.clock = {c.hoursTens,   c.hoursUnits,   c.minutesTens,   c.minutesUnits,
               c.secondsTens, c.secondsUnits, c.countdownTens, c.countdownUnits};
}

void keepFaces(Picture& p, const Board& board, const CubeTurn& turn) {
    p.targetFace = turn.targetFace;
    p.front = faceAt(board, 0);
    p.target = faceAt(board, turn.targetFace);
    p.frontCards = cardsOn(p.front);
    p.targetCards = cardsOn(p.target);
}

}  // namespace

bool operator==(const Picture& a, const Picture& b) { return fields(a) == fields(b); }

Picture menuPicture(const MenuView& menu) {
    Picture p;
    p.mode = ModeMenu;
    p.page = menu.page;
    keepMenuDigits(p, menu.topScore);
    return p;
}

Picture scenePicture(const SceneView& scene) {
    Picture p;
    p.mode = ModePlaying;
    keepClock(p, scene.clock);
    keepBarDigits(p, scene.score);
    for (uint8_t n = 0; n < HandSlots; ++n) p.selected[n] = selectedCardAt(scene.selection, n);
    keepFaces(p, scene.board, scene.turn);
    p.tiltX = scene.input.tiltX;
    p.tiltY = scene.input.tiltY;
    p.tiltZ = scene.input.tiltZ;
    p.turning = scene.turn.turnRunning;
    p.dust = !scene.cloud.particles.empty();
    return p;
}

bool needsDrawing(const ScreenPicture& shown, const Picture& wanted) {
    return !shown.valid || isAnimated(wanted) || shown.picture != wanted;
}

}  // namespace pelmora

#include "view/atlas.h"

#include "board/board.h"

namespace pelmora {

namespace {

constexpr uint32_t DeckSize = 52;

// A value outside the deck never reaches here from a deal; folding it into
// the deck keeps every lookup inside the atlas tables.
uint32_t deckValue(uint32_t value) { return value % DeckSize; }

AtlasRect shiftedUp(AtlasRect rect, int offset) {
    rect.bottom += offset;
    rect.top += offset;
    return rect;
}

}  // namespace

AtlasRect cardPictureRect(uint32_t value) {
    const uint32_t v = deckValue(value);
    const int left = CardPitchU * static_cast<int>(rankIndex(v));
    const int bottom = CardBottoms[suitIndex(v)];
    return {left, left + CardWidth, bottom, bottom + CardHeight};
}

AtlasRect selectedPictureRect(uint32_t value) {
    return shiftedUp(cardPictureRect(value), SelectedPictureOffset);
}

AtlasRect cardCornerRect(uint32_t value) {
    const AtlasRect picture = cardPictureRect(value);
    return {picture.left + CornerLeftInset, picture.left + CornerRightInset,
            picture.top - CornerBottomInset, picture.top - CornerTopInset};
}

AtlasRect glyphRect(uint32_t digit) {
    const int left = digit < 10 ? GlyphLefts[digit] : FallbackGlyphLeft;
    return {left, left + GlyphWidth, GlyphBottom, GlyphTop};
}

TexCoord cardTexCoord(const Card& card) {
    const AtlasRect picture = cardPictureRect(card.value);
    return {atlasUnit(picture.left), atlasUnit(picture.bottom)};
}

TexCoord cardTexCoordTopLeft(const Card& card) {
    TexCoord t = cardTexCoord(card);
    t.v += atlasUnit(CardHeight);
    return t;
}

TexCoord cardTexCoordBottomRight(const Card& card) {
    TexCoord t = cardTexCoord(card);
    t.u += atlasUnit(CardWidth);
    return t;
}

TexCoord cardTexCoordTopRight(const Card& card) {
    TexCoord t = cardTexCoordTopLeft(card);
    t.u += atlasUnit(CardWidth);
    return t;
}

TexCoord digitTexCoord(uint32_t digit) {
    return {atlasUnit(glyphRect(digit).left), atlasUnit(GlyphTop)};
}

}  // namespace pelmora

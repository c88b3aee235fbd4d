#include "play/score.h"

namespace pelmora {

void addToScore(ScoreDigits&, uint32_t) {}

}  // namespace pelmora

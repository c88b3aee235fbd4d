#include "view/turn.h"

#include "frame/game.h"

namespace pelmora {

void startTurn(Game&, uint8_t) {}
void stepTurnAnimation(Game&) {}
void commitTurn(Game&) {}
void fillLinear(std::vector<double>& list, uint32_t, double, double) { list.clear(); }

}  // namespace pelmora

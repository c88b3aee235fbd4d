// Quarter turns of the cube: the flip cue, 60 frames of turning, 10 of
// settling, and the lazy renaming of the faces afterwards.
#pragma once

#include <cstdint>
#include <vector>

namespace pelmora {

struct Game;

enum TurnDirection : uint8_t { TurnUp = 0, TurnDown = 1, TurnRight = 2, TurnLeft = 3 };

struct CubeTurn {
    bool turnRunning = false;
    uint8_t turnPhase = 0;  // 0 turning, 1 settling
    uint8_t turnDirection = 0;
    uint8_t targetFace = 0;
    bool turnFinished = false;
    std::vector<double> trackX;
    std::vector<double> trackY;
    std::vector<double> trackZ;
    bool activeX = false;
    bool activeY = false;
    bool activeZ = false;
    uint32_t indexX = 0;
    uint32_t indexY = 0;
    uint32_t indexZ = 0;
    uint32_t trackLength = 0;
};

void startTurn(Game& game, uint8_t direction);
void stepTurnAnimation(Game& game);
void commitTurn(Game& game);
void fillLinear(std::vector<double>& list, uint32_t n, double a, double b);

}  // namespace pelmora

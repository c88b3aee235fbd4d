// Quarter turns of the cube: the flip cue, 60 frames of turning, 10 of
// settling, and the lazy renaming of the faces afterwards.
#pragma once

#include <cstdint>
#include <vector>

namespace pelmora {

class CuePlayer;
class System;
struct ActionGate;
struct AppWindow;
struct Board;
struct InputState;
struct ParticleCloud;

enum TurnDirection : uint8_t { TurnUp = 0, TurnDown = 1, TurnRight = 2, TurnLeft = 3 };

// An empty track with room for the longest phase, so no turn allocates.
std::vector<double> emptyTrack();

struct CubeTurn {
    bool turnRunning = false;
    uint8_t turnPhase = 0;  // 0 turning, 1 settling
    uint8_t turnDirection = 0;
    uint8_t targetFace = 0;
    bool turnFinished = false;
    std::vector<double> trackX = emptyTrack();
    std::vector<double> trackY = emptyTrack();
    std::vector<double> trackZ = emptyTrack();
    bool activeX = false;
    bool activeY = false;
    bool activeZ = false;
    uint32_t indexX = 0;
    uint32_t indexY = 0;
    uint32_t indexZ = 0;
    uint32_t trackLength = 0;
};

// What a turn reads and changes besides its own record.
struct TurnContext {
    CubeTurn& turn;
    InputState& input;        // the angles it drives, the edge dwell it disarms
    Board& board;             // the faces it renames
    ParticleCloud& cloud;     // the dust a new turn clears
    ActionGate& gate;         // the key delay starts again with a turn
    CuePlayer& cues;
    System& system;           // tick count, cursor position and shape
    const AppWindow& window;  // the size the cursor tilt is measured in
};

void startTurn(TurnContext& context, uint8_t direction);
void stepTurnAnimation(TurnContext& context);
// Renames the faces after a finished turn: the face in front becomes index 0.
void commitTurn(const CubeTurn& turn, Board& board);
void fillLinear(std::vector<double>& list, uint32_t n, double a, double b);

}  // namespace pelmora
